#pragma once

#include <QPixmap>
#include <QWidget>

#include <cstdint>

class QLabel;
class QTimer;

// The start-up picture with the program's version, borderless and above
// the main window. It closes itself at the tenth one-second tick, or at
// once on a click or a key; the main window never waits for it.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    // appPath is the program's folder, where "zel2.jpg" lies. The window
    // deletes itself when it closes.
    frmSplash(const QString &appPath, QWidget *owner);

    // Loads the picture and sets the version. A missing picture throws
    // Error 53, one that is not a readable picture 481: the main
    // window's start-up reports either and ends the program.
    void Form_Load();

    void Timer1_Timer();
    void Form_Click() { close(); }
    void lblVersion_Click() { close(); }
    void Form_KeyPress() { close(); }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // The seconds shown so far.
    std::int16_t Ticks = 0;
    // The controls; each carries its name as its objectName.
    QLabel *lblVersion = nullptr;
    QTimer *Timer1 = nullptr;

    QString m_appPath;
    QPixmap m_picture;
};
