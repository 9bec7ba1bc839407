#include "LearningRecord.h"

#include <QEvent>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

LearningRecord::LearningRecord(QString path, QObject *parent)
    : QObject(parent), m_reader(std::move(path))
{
}

LearningRecord::~LearningRecord()
{
    if (!m_thread)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    // The answers still queued are written before the program ends.
    m_thread->wait();
    delete m_thread;
}

QString LearningRecord::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/learning-record.sqlite");
}

void LearningRecord::open()
{
    const RecordStore::OpenResult r = m_reader.open();
    const QString where = QStringLiteral("\r\r") + m_reader.path();
    if (r.status == RecordStore::Status::Ready && !r.keptAside.isEmpty()) {
        tell(QStringLiteral("The learning record could not be read. It has been kept as:\r") +
             r.keptAside + QStringLiteral("\r\rA fresh record begins in:") + where);
    } else if (r.status != RecordStore::Status::Ready) {
        m_toldFailure = true;
        tell(QStringLiteral("The learning record cannot be used: ") + r.problem +
             QStringLiteral(".\rThe quiz goes on without it.") + where);
        return;
    }
    m_thread = QThread::create([this] { writerLoop(); });
    m_thread->setObjectName(QStringLiteral("learning record"));
    m_thread->start();
}

void LearningRecord::openAfterFirstPaint(QObject &window)
{
    window.installEventFilter(this);
}

bool LearningRecord::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Two turns later: after the frame has reached the screen, and after
        // a start-up measurement has ended its loop.
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &LearningRecord::open); });
    }
    return QObject::eventFilter(watched, event);
}

void LearningRecord::record(const AnswerEvent &event)
{
    if (!m_thread)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(event);
    }
    m_wake.notify_one();
}

bool LearningRecord::recordExam(const PastExam &exam)
{
    if (!m_thread)
        return false;
    flush();
    if (const Result<> stored = m_reader.recordExam(exam); !stored) {
        writeFailed(stored.error().description());
        return false;
    }
    return true;
}

void LearningRecord::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_writing; });
}

QString LearningRecord::takeNotice()
{
    return std::exchange(m_notice, QString());
}

void LearningRecord::tell(const QString &text)
{
    m_notice = text;
    emit noticeReady();
}

void LearningRecord::writeFailed(const QString &problem)
{
    if (m_toldFailure)
        return;
    m_toldFailure = true;
    tell(QStringLiteral("The learning record cannot be written: ") + problem +
         QStringLiteral(".\rThe quiz goes on; answers are not recorded while this lasts.") +
         QStringLiteral("\r\r") + m_reader.path());
}

void LearningRecord::writerLoop()
{
    // A connection of this thread's own; the file is already set up.
    RecordStore writer(m_reader.path());
    for (;;) {
        std::deque<AnswerEvent> batch;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                break;
            batch.swap(m_queue);
            m_writing = true;
        }
        for (const AnswerEvent &event : batch) {
            QString problem;
            if (!writer.isReady()) {
                const RecordStore::OpenResult r = writer.open();
                problem = r.problem;
            }
            if (writer.isReady()) {
                if (const Result<> written = writer.record(event); !written)
                    problem = written.error().description();
            }
            if (!problem.isEmpty())
                QMetaObject::invokeMethod(
                    this, [this, problem] { writeFailed(problem); }, Qt::QueuedConnection);
        }
        {
            std::lock_guard lock(m_mutex);
            m_writing = false;
        }
        m_idle.notify_all();
    }
    std::lock_guard lock(m_mutex);
    m_idle.notify_all();
}
