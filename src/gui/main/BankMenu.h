#pragma once

#include <QObject>
#include <QString>

#include <functional>

class BankFolders;
class FileDialogs;
class MessageBoxes;
class QAction;
class QMenu;
class QWidget;

// The bank items of the File menu: open a bank folder, the banks opened
// recently, import someone's own questions into a new bank, and export
// the open bank for a spreadsheet. The window opens the bank itself.
class BankMenu : public QObject {
    Q_OBJECT
  public:
    // Runs a modal window with the countdown standing still.
    using ModalRunner = std::function<void(const std::function<void()> &showModal)>;
    // Opens the bank of a folder in place of the open one; false when it
    // could not be opened (the window has said why) and the open one stays.
    using Opener = std::function<bool(const QString &folder)>;

    BankMenu(BankFolders &folders, MessageBoxes &boxes, FileDialogs &files, QWidget *window,
             ModalRunner runModal, Opener open);

    // Adds the items, in their order, at the end of menu.
    void addTo(QMenu *menu);

    // The bank now open, which Export Bank writes.
    void setOpenFolder(const QString &folder);

    // Where imported banks go unless the user picks a folder.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }

  private:
    void openBank();
    void fillRecent();
    void importQuestions();
    void exportBank();
    void tell(const QString &text, const QString &title);

    BankFolders &m_folders;
    MessageBoxes &m_boxes;
    FileDialogs &m_files;
    QWidget *m_window;
    ModalRunner m_runModal;
    Opener m_open;
    QString m_openFolder;
    QString m_dataFolder;
    QMenu *m_recentMenu = nullptr;
};
