#pragma once

#include <QString>

class QWidget;

// The file and folder choosers behind an interface, so that a test can
// answer them without a person. Each returns the path chosen, or an empty
// text when the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;

    // An existing file to read; filter as QFileDialog takes it.
    virtual QString openFile(QWidget *owner, const QString &title, const QString &filter) = 0;
    // A file to write, suggested first. The caller asks before replacing
    // one that exists.
    virtual QString saveFile(QWidget *owner, const QString &title, const QString &suggested,
                             const QString &filter) = 0;
    // An existing folder, starting at start.
    virtual QString chooseFolder(QWidget *owner, const QString &title, const QString &start) = 0;
};
