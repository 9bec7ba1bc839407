#pragma once

#include "QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A program folder of its own for one test.
class TempDir {
  public:
    TempDir();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

    // Copies a file of the bundled sample data into this folder.
    void copyData(const QString &name) const;

  private:
    QTemporaryDir m_dir;
};

// The bundled sample data folder of the source tree.
QString sampleDataDir();
