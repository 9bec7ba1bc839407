#pragma once

#include <QDialog>

class MessageBoxes;
class ProgramStarter;
class QLabel;
class QPushButton;
class SystemInfoLookup;

// The about window: title, version, what the program is for, a note,
// the credits, and a button that starts the system-information program.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // The lookup and the starter are the platform's; tests pass their own.
    AboutDialog(SystemInfoLookup &lookup, ProgramStarter &starter, MessageBoxes &boxes,
                QWidget *owner = nullptr);

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildWidgets();
    void startSystemInfo();

    // The controls; each carries its member name without "m_" as its
    // objectName. The labels that never change after the window is built
    // are not kept.
    QPushButton *m_okButton = nullptr;

    SystemInfoLookup &m_lookup;
    ProgramStarter &m_starter;
    MessageBoxes &m_boxes;
};
