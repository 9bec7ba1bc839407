#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SettingsStore;

// Where banks live and which one opens: the program folder's bank is the
// default; any folder holding "A.zel" and "AD.zel" is a bank too. The
// banks opened last are remembered in the settings, most recent first.
class BankFolders {
  public:
    static constexpr int MaxRecent = 8;

    BankFolders(QString appFolder, SettingsStore &settings);

    [[nodiscard]] const QString &appFolder() const { return m_appFolder; }
    [[nodiscard]] bool isAppFolder(const QString &folder) const;

    // The folder to start on: the one the command line names, otherwise
    // the one opened last, otherwise the program folder.
    [[nodiscard]] QString startFolder(const QString &commandLineFolder) const;

    // "ZEL Quiz" with the program folder's bank open, "NAME - ZEL Quiz"
    // with another (NAME: the folder's name).
    [[nodiscard]] QString title(const QString &folder) const;

    // The banks opened, most recent first, at most MaxRecent.
    [[nodiscard]] QStringList recent() const;
    // Remembers folder as the bank opened last; false when the settings
    // could not be written.
    bool opened(const QString &folder);

    // Whether a folder still holds both bank files (a removed folder, or a
    // drive that is not there, does not).
    [[nodiscard]] static bool holdsBankFiles(const QString &folder);

    // What the window says when a bank cannot be opened, why being the
    // error report's text; and what the start-up says when the bank it was
    // to start on cannot be opened.
    [[nodiscard]] static QString notOpenedText(const QString &folder, const QString &why);
    [[nodiscard]] static QString fallbackText(const QString &folder, const QString &why);

    // base itself, or base with " 2", " 3"... after it: the first for which
    // none of the folders it would make (as foldersFor gives them) exists.
    [[nodiscard]] static QString
    unusedFolder(const QString &base,
                 const std::function<QStringList(const QString &)> &foldersFor);

  private:
    [[nodiscard]] static QString normalized(const QString &folder);

    QString m_appFolder;
    SettingsStore &m_settings;
};
