#include "QtFileDialogs.h"

#include <QFileDialog>

QString QtFileDialogs::openFile(QWidget *owner, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

QString QtFileDialogs::saveFile(QWidget *owner, const QString &title, const QString &suggested,
                                const QString &filter)
{
    // The replace question is the program's own, with Cancel as its default.
    return QFileDialog::getSaveFileName(owner, title, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::chooseFolder(QWidget *owner, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(owner, title, start);
}
