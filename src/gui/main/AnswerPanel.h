#pragma once

#include "core/quiz/MainView.h"

#include <QGroupBox>

#include <array>

class AnswerButton;

// The six answer buttons on the right of the main window, one above the
// other, in their right and wrong colours.
class AnswerPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit AnswerPanel(QWidget *parent);

    void render(const std::array<MainView::AnswerButton, 6> &answers);

    // Button k, 1..6.
    AnswerButton *button(int k) const { return m_buttons[std::size_t(k - 1)]; }

    // Presses button k as a click would, unless it takes no click now.
    void press(int k);

  signals:
    // k is the button number, 1..6.
    void answerChosen(int k);

  private:
    std::array<AnswerButton *, 6> m_buttons{};
};
