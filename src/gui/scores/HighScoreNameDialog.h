#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks a new high scorer's name. It always leaves a name: an empty box
// gives "J. Doe".
class HighScoreNameDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HighScoreNameDialog(QWidget *owner);

    void Form_Load();
    void Command1_Click();

    // The name entered, readable after the window has closed.
    QString HSNamenew;

    // Escape and the window manager's close take the name as it stands,
    // like OK: the high score it belongs to must not be lost.
    void reject() override { Command1_Click(); }

  private:
    // The controls; each carries its name as its objectName.
    QLabel *Label1 = nullptr;
    QLineEdit *HSName = nullptr;
    QPushButton *Command1 = nullptr;
};
