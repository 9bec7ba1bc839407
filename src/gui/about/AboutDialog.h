#pragma once

#include <QDialog>

class MessageBoxes;
class ProgramStarter;
class QGroupBox;
class QLabel;
class QPushButton;
class SystemInfoLookup;

// The about window: title, version, what the program is for, a note,
// the credits, and a button that starts the system-information program.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // The lookup and the starter are the platform's; tests pass their own.
    // The constructor runs Form_Load.
    AboutDialog(SystemInfoLookup &lookup, ProgramStarter &starter, MessageBoxes &boxes,
                QWidget *owner = nullptr);

    void Form_Load();
    void cmdOK_Click() { accept(); }
    void cmdSysInfo_Click() { StartSysInfo(); }
    void StartSysInfo();

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildWidgets();

    // The controls; each carries its name as its objectName.
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescript = nullptr;
    QLabel *Label3 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblAuthor = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblInstitution = nullptr;
    QLabel *lblInstructors = nullptr;
    QLabel *Label6 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    SystemInfoLookup &m_lookup;
    ProgramStarter &m_starter;
    MessageBoxes &m_boxes;
};
