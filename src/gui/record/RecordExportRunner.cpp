#include "RecordExportRunner.h"

#include "core/record/RecordExport.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <memory>

RecordExportRunner::Report RecordExportRunner::run(QWidget *parent, const QString &recordPath,
                                                   const QString &target,
                                                   const StudySettings &study)
{
    RecordExport job(recordPath, target, study);
    QProgressDialog progress(QStringLiteral("Exporting the learning record..."),
                             QStringLiteral("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(QStringLiteral("Progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressShownAfterMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QObject::connect(&progress, &QProgressDialog::canceled, [&job] { job.cancel(); });

    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create([&job] { job.run(); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    const auto bounded = [](qint64 n) { return int(std::min<qint64>(n, INT_MAX)); };
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        // Busy until the count of answers is known, then the share done.
        if (job.total() > 0)
            progress.setMaximum(bounded(job.total()));
        progress.setValue(bounded(job.done()));
    });
    tick.start(100);
    worker->start();
    loop.exec();
    worker->wait();
    tick.stop();
    progress.reset();

    const Result<> finished = job.finish();
    if (job.cancelled())
        return {Outcome::Cancelled, {}};
    if (!finished)
        return {Outcome::Failed, finished.error().description()};
    return {Outcome::Exported, {}};
}
