#pragma once

#include "StudySettings.h"
#include "core/common/Error.h"

#include <QSaveFile>
#include <QString>

#include <atomic>

// The export of the whole learning record as CSV to a file of the user's
// choice, made to run on a thread of its own: run() writes with a
// connection of that thread, progress can be read and the export cancelled
// from any thread, and finish() puts the file in place only when it is
// complete and was not cancelled. A cancelled or failed export leaves no
// file behind (an existing file of that name stays as it was).
class RecordExport {
  public:
    // study: the choices the due dates of the export are worked out with.
    RecordExport(QString recordPath, const QString &target, const StudySettings &study = {});

    // Whether target names the record's own database file, or its -wal or
    // -shm beside it (under any name that leads there): an export there
    // would destroy the record it reads.
    [[nodiscard]] static bool isRecordFile(const QString &recordPath, const QString &target);

    // On the worker thread.
    void run();
    // From any thread; the export stops at its next row.
    void cancel() { m_cancelled = true; }

    [[nodiscard]] qint64 total() const { return m_total; }
    [[nodiscard]] qint64 done() const { return m_done; }
    [[nodiscard]] bool cancelled() const { return m_cancelled; }

    // Once run() has returned: the file is put in place, or the failure of
    // the export or of the file. A cancelled export fails without a text.
    [[nodiscard]] Result<> finish();

  private:
    QString m_recordPath;
    StudySettings m_study;
    QSaveFile m_file;
    Result<> m_written;
    std::atomic<qint64> m_total = 0;
    std::atomic<qint64> m_done = 0;
    std::atomic<bool> m_cancelled = false;
};
