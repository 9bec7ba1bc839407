#pragma once

#include "RecordStore.h"
#include "RecordTypes.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class QThread;

// The learning record as the program uses it: answers are written on a
// thread of their own, so the next question never waits for the disk; the
// reads (review list, statistics, export) use a connection of the calling
// thread. When the file cannot be used the quiz goes on without it, and the
// user is told once per run.
class LearningRecord : public QObject, public AnswerSink {
    Q_OBJECT
  public:
    explicit LearningRecord(QString path, QObject *parent = nullptr);
    ~LearningRecord() override;

    // The file in the user's data folder.
    static QString defaultPath();

    // Opens the file; a problem is left for takeNotice().
    void open();
    // Opens the file once `window` has been painted for the first time, so
    // the start-up never waits for the disk.
    void openAfterFirstPaint(QObject &window);
    bool isReady() const { return m_reader.isReady(); }
    const QString &path() const { return m_reader.path(); }

    // Queues the answer for the writer; returns at once.
    void record(const AnswerEvent &event) override;
    // Stores a finished exam after the answers queued before it; false
    // when it could not be stored (the user has been told).
    bool recordExam(const PastExam &exam);
    // Waits until every queued answer has been written (or has failed).
    void flush();

    // The connection for reading, clearing and exporting; flush() first
    // to see the latest answers.
    RecordStore &store() { return m_reader; }

    // What the user should be told about the record, once: empty when all
    // is well or when it has been told already.
    QString takeNotice();

  signals:
    // A problem arose that takeNotice() now describes.
    void noticeReady();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void writerLoop();
    void writeFailed(const QString &problem);
    void tell(const QString &text);

    RecordStore m_reader;
    QThread *m_thread = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<AnswerEvent> m_queue;
    bool m_writing = false;
    bool m_stopping = false;

    QString m_notice;
    bool m_toldFailure = false;
};
