#pragma once

#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class QWidget;

// Answers the modal windows a handler under test opens. It polls every few
// milliseconds (a single-shot timer racing the window's appearance would be
// flaky) and runs the step registered for the objectName of the visible
// modal window, once per appearance. After ten seconds it closes whatever is
// open, so a test fails instead of hanging.
class ModalDriver {
  public:
    using Step = std::function<void(QWidget *window)>;

    ModalDriver();
    void on(const QString &objectName, Step step) { m_steps.try_emplace(objectName, step); }

    // objectNames of the windows answered, in order.
    std::vector<QString> answered;
    bool timedOut = false;

  private:
    void poll();

    std::map<QString, Step> m_steps;
    QTimer m_timer;
    int m_polls = 0;
};
