#pragma once

#include "core/quiz/MainView.h"

#include <QGroupBox>

class QLabel;

// The timed game's box under the question: the level's counters, the
// score, the level and the seconds left.
class TimedStatus : public QGroupBox {
    Q_OBJECT
  public:
    explicit TimedStatus(QWidget *parent);

    void render(const MainView::TimedStatus &status);

  signals:
    // The last seconds have begun: the display turned dark red.
    void alerted(QWidget *control);

  private:
    QLabel *m_correctLabel = nullptr;
    QLabel *m_wrongLabel = nullptr;
    QLabel *m_remainingLabel = nullptr;
    QLabel *m_scoreLabel = nullptr;
    QLabel *m_levelLabel = nullptr;
    QLabel *m_timeRemainingLabel = nullptr;
    MainView::TextColour m_spokenTimeColour = MainView::TextColour::Navy;
};
