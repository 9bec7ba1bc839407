#pragma once

#include <QString>

// What the quiz rules need from the window beyond what it shows: a sound,
// the countdown switch, and the modal windows. A window implements it; the
// tests fake it.
class QuizEffects {
  public:
    virtual ~QuizEffects() = default;

    // A wave file of the program folder, played without waiting for it.
    virtual void playCue(const QString &waveName) = 0;

    // The countdown; switching it on starts a fresh interval.
    virtual void setCountdownRunning(bool running) = 0;

    // A modal box with only an OK button and no icon. The window shows the
    // current view before it opens the box.
    virtual void showMessage(const QString &text, const QString &title) = 0;

    // The high-score table, modal, placing the score of a game just ended;
    // returns when it has been closed.
    virtual void offerHighScore(int score) = 0;
};
