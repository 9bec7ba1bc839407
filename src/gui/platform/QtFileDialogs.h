#pragma once

#include "FileDialogs.h"

// The platform's own file and folder choosers.
class QtFileDialogs final : public FileDialogs {
  public:
    QString openFile(QWidget *owner, const QString &title, const QString &filter) override;
    QString saveFile(QWidget *owner, const QString &title, const QString &suggested,
                     const QString &filter) override;
    QString chooseFolder(QWidget *owner, const QString &title, const QString &start) override;
};
