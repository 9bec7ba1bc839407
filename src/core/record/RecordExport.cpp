#include "RecordExport.h"

#include "RecordStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file a path leads to, links and "." or ".." resolved, whether or not
// it exists yet.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QDir(info.absolutePath()).canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

RecordExport::RecordExport(QString recordPath, const QString &target,
                           const StudySettings &study)
    : m_recordPath(std::move(recordPath)), m_study(study), m_file(target)
{
}

bool RecordExport::isRecordFile(const QString &recordPath, const QString &target)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    const QString chosen = resolved(target);
    for (const char *suffix : {"", "-wal", "-shm"}) {
        if (chosen.compare(resolved(recordPath + QLatin1String(suffix)), sensitivity) == 0)
            return true;
    }
    return false;
}

void RecordExport::run()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        m_written = failure(m_file.errorString());
        return;
    }
    RecordStore store(m_recordPath);
    if (const RecordStore::OpenResult opened = store.open();
        opened.status != RecordStore::Status::Ready) {
        m_written = failure(opened.problem);
        return;
    }
    store.setStudySettings(m_study);
    m_total = store.answerCount();
    m_written = store.exportCsv(m_file, [this](qint64 rows) {
        m_done = rows;
        return !m_cancelled;
    });
}

Result<> RecordExport::finish()
{
    if (m_cancelled || !m_written) {
        if (m_file.isOpen()) {
            m_file.cancelWriting();
            (void)m_file.commit(); // removes the unfinished file
        }
        return m_cancelled ? failure(QString()) : m_written;
    }
    if (!m_file.commit())
        return failure(m_file.errorString());
    return {};
}
