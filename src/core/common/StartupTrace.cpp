#include "StartupTrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

#include <ctime>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

long long clockNs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// When the kernel started this process, on the monotonic clock. Everything
// before main() (loading the libraries) is part of the start-up too. The
// kernel keeps the start in clock ticks since boot (10 ms on most systems),
// so without that record the trace starts at its own creation instead.
long long processStartNs()
{
    const long long now = clockNs(CLOCK_MONOTONIC);
#ifdef Q_OS_WIN
    // No such record to read here: the trace starts at its own creation.
    return now;
#else
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return now;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks: count from after it.
    const qsizetype close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 22 of the line is the 20th after the name.
    constexpr int kStartTimeField = 22 - 3;
    bool ok = false;
    const long long ticks =
        fields.size() > kStartTimeField ? fields[kStartTimeField].toLongLong(&ok) : 0;
    const long hz = sysconf(_SC_CLK_TCK);
    if (!ok || hz <= 0)
        return now;
    const long long startBoot = ticks * (1000000000LL / hz);
    return now - (clockNs(CLOCK_BOOTTIME) - startBoot);
#endif
}

// Waits for the first paint of one window and finishes the trace after it,
// once the painted frame has been handed to the window system.
class FirstPaintWatcher final : public QObject {
  public:
    FirstPaintWatcher(QObject &window, StartupTrace &trace) : QObject(&window), m_trace(trace)
    {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                m_trace.mark("window shown");
                QCoreApplication::exit(m_trace.write() ? 0 : 1);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    StartupTrace &m_trace;
    bool m_seen = false;
};

} // namespace

StartupTrace::StartupTrace(QString file) : m_file(std::move(file))
{
    if (enabled())
        m_stages.push_back({"process start", processStartNs()});
}

void StartupTrace::mark(const char *stage)
{
    if (enabled())
        m_stages.push_back({stage, clockNs(CLOCK_MONOTONIC)});
}

void StartupTrace::finishOnFirstPaint(QObject &window)
{
    if (enabled())
        new FirstPaintWatcher(window, *this);
}

bool StartupTrace::write() const
{
    if (!enabled() || m_stages.empty())
        return false;
    QByteArray out;
    const long long start = m_stages.front().monotonicNs;
    for (const Stage &s : m_stages) {
        out += s.name;
        out += '\t' + QByteArray::number(double(s.monotonicNs - start) / 1e6, 'f', 3);
        out += '\t' + QByteArray::number(s.monotonicNs) + '\n';
    }
    QSaveFile file(m_file);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
}
