#pragma once

#include "core/common/Error.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

// The start-up picture with the program's version, borderless and above
// the main window (raised once the owner has first painted itself on the
// screen). It closes itself at the tenth one-second tick, or at once on a
// click or a key; the main window never waits for it.
class SplashScreen : public QWidget {
    Q_OBJECT
  public:
    // The window deletes itself when it closes.
    explicit SplashScreen(QWidget *owner);

    // Loads "zel2.jpg" from the program's folder and sets the version. A
    // missing picture fails with FileNotFound, one that is not a readable
    // picture with InvalidPicture: the main window's start-up reports
    // either and ends the program.
    [[nodiscard]] Result<> load(const QString &folder);

    // One tick of the one-second timer; the tenth closes the window.
    void secondTicked();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    int m_secondsShown = 0;
    // The controls; each carries its member name without "m_" as its
    // objectName.
    QLabel *m_versionLabel = nullptr;
    QTimer *m_closeTimer = nullptr;

    QPixmap m_picture;
};
