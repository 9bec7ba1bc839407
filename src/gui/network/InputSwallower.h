#pragma once

#include <QObject>

// While it lives, every click, key, wheel turn, touch, drop and close box
// meant for any window of the program is dropped, not delayed: a window
// that waits for the network keeps painting and keeps its sockets and
// timers running, but a click made meanwhile must not run once the wait
// is over.
class InputSwallower : public QObject {
  public:
    InputSwallower();
    ~InputSwallower() override;

    int swallowed() const { return m_swallowed; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    int m_swallowed = 0;
};
