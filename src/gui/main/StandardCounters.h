#pragma once

#include "core/quiz/MainView.h"

#include <QGroupBox>

class QLabel;

// The Standard quiz's box under the question: right, wrong and total
// answers so far.
class StandardCounters : public QGroupBox {
    Q_OBJECT
  public:
    explicit StandardCounters(QWidget *parent);

    void render(const MainView::StandardCounters &counters);

  private:
    QLabel *m_correctCount = nullptr;
    QLabel *m_wrongCount = nullptr;
    QLabel *m_totalCount = nullptr;
};
