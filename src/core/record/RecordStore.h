#pragma once

#include "RecordTypes.h"
#include "StudyPlan.h"
#include "core/common/Error.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;

// The learning record in one SQLite file: every answer, and per question the
// counts and the review state those answers give. Each connection is used by
// the thread that opened it; two connections (or two programs) may share the
// file, and every answer is one transaction of its own.
class RecordStore {
  public:
    // Raised with every change of the tables; older files are brought up to it.
    static constexpr int SchemaVersion = 4;
    // How long a write waits for another program that holds the file.
    static constexpr int BusyTimeoutMs = 3000;

    enum class Status { Ready, Newer, Unavailable };
    struct OpenResult {
        Status status = Status::Unavailable;
        QString problem;   // why the record cannot be used; empty when Ready
        QString keptAside; // where an unreadable file was moved, if one was
    };

    explicit RecordStore(QString path);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens the file, creating it and its folder if needed, and brings its
    // tables up to date. A file that is not a database (or cannot be read)
    // is moved aside, never overwritten, and a fresh record begins there.
    // A file of a schema version this program does not know (a newer
    // program's, or a negative one) is left alone: Status::Newer.
    [[nodiscard]] OpenResult open();
    [[nodiscard]] bool isReady() const { return m_ready; }
    [[nodiscard]] const QString &path() const { return m_path; }

    // A failure carries the database's description of it.
    [[nodiscard]] Result<> record(const AnswerEvent &event);
    [[nodiscard]] Result<> clear();
    // progress is told the rows written so far, now and then; when it
    // returns false the export stops with a failure.
    [[nodiscard]] Result<> exportCsv(QIODevice &out,
                                     const std::function<bool(qint64)> &progress = {});

    // A finished practice exam; its answers go through record().
    [[nodiscard]] Result<> recordExam(const PastExam &exam);
    // Every finished exam, the oldest first.
    [[nodiscard]] std::vector<PastExam> pastExams();

    [[nodiscard]] std::vector<DueItem> dueItems();
    [[nodiscard]] RecordStatistics statistics(const QDateTime &now);
    [[nodiscard]] qint64 answerCount();
    // Every answered question's memory state, for the spaced review, with
    // the question's texts when asked.
    [[nodiscard]] std::vector<MemoryEntry> memoryEntries(bool texts = false);
    // The student's choices the export's due dates are worked out with.
    void setStudySettings(const StudySettings &study) { m_study = study; }
    [[nodiscard]] const StudySettings &studySettings() const { return m_study; }

  private:
    struct Queries;
    // code: SQLite's result code of a failure, 0 for none.
    [[nodiscard]] OpenResult openOnce(int &code);
    [[nodiscard]] OpenResult migrate(int &code);
    void close();

    QString m_path;
    QString m_connection;
    bool m_ready = false;
    StudySettings m_study;
    std::unique_ptr<Queries> m_queries;
};
