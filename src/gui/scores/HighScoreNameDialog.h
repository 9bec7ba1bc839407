#pragma once

#include <QDialog>

class QLineEdit;

// Asks a new high scorer's name. It always leaves a name: an empty box
// gives "J. Doe".
class HighScoreNameDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HighScoreNameDialog(QWidget *owner);

    // Shows the window modally over owner; the name it left.
    static QString ask(QWidget *owner);

    // The name entered, readable after the window has closed.
    const QString &name() const { return m_name; }

    // Escape and the window manager's close take the name as it stands,
    // like OK: the high score it belongs to must not be lost.
    void reject() override { acceptName(); }

  private:
    void acceptName();

    // The name box; it carries its member name without "m_" as its
    // objectName, as the other controls do.
    QLineEdit *m_nameEdit = nullptr;
    QString m_name;
};
