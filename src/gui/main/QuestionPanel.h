#pragma once

#include "core/quiz/MainView.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The left column of the main window above the counters: how to answer,
// the question with its subject, and the Show Correct Answer, Start/End
// and Next buttons.
class QuestionPanel : public QWidget {
    Q_OBJECT
  public:
    explicit QuestionPanel(QWidget *parent);

    void render(const MainView &view);

    QPushButton *showCorrectButton() const { return m_showCorrectButton; }

  signals:
    void revealRequested();
    void startOrStopRequested();
    void nextRequested();
    // A wrong answer: the question turned dark red with its verdict.
    void alerted(QWidget *control);

  private:
    QLabel *m_questionLabel = nullptr;
    QLabel *m_reviewCaption = nullptr;
    QPushButton *m_showCorrectButton = nullptr;
    QPushButton *m_startStopButton = nullptr;
    QPushButton *m_nextButton = nullptr;
};
