#pragma once

#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

// Answers the modal windows a handler under test opens. It polls the
// top-level widgets every few milliseconds (a single-shot timer racing the
// window's appearance would be flaky) and runs the step registered for
// the objectName of each visible modal window, once per appearance. After
// the time limit it closes whatever is open, so a test fails instead of
// hanging.
class ModalDriver {
  public:
    using Step = std::function<void(QWidget *window)>;

    ModalDriver();
    ~ModalDriver();

    void on(const QString &objectName, Step step);

    // objectNames of the windows answered, in order.
    std::vector<QString> answered;
    bool timedOut = false;

  private:
    void poll();

    struct Entry {
        QString name;
        Step step;
    };
    std::vector<Entry> m_steps;
    QTimer m_timer;
    int m_polls = 0;
};
