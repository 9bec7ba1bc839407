#pragma once

#include <QString>

#include <vector>

class QObject;

// The times of the start-up's stages, for the start-up benchmark. Made
// without a file it records nothing, and each stage costs one test.
class StartupTrace {
  public:
    explicit StartupTrace(QString file = QString());

    bool enabled() const { return !m_file.isEmpty(); }

    // Records that the start-up has reached this stage, now. The name must
    // outlive the trace (a string literal).
    void mark(const char *stage);

    // Once the window has painted itself for the first time: records
    // "window shown", writes the file and ends the event loop with status 0,
    // or 1 when the file cannot be written.
    void finishOnFirstPaint(QObject &window);

    // One line per stage: its name, the milliseconds since the process
    // started, and the monotonic clock in nanoseconds (for a runner that
    // read the same clock when it started the process), separated by tabs.
    bool write() const;

  private:
    struct Stage {
        const char *name;
        long long monotonicNs;
    };

    QString m_file;
    std::vector<Stage> m_stages;
};
