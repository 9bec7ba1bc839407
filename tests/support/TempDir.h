#pragma once

#include "QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A program folder of its own for one test.
class TempDir {
  public:
    TempDir() { EXPECT_TRUE(m_dir.isValid()); }

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const;
    // The file's bytes; none if it cannot be read.
    QByteArray read(const QString &name) const;

    // Copies a file of the bundled sample data into this folder.
    void copyData(const QString &name) const;

  private:
    QTemporaryDir m_dir;
};

// The bundled sample data folder of the source tree.
inline QString sampleDataDir()
{
    return qEnvironmentVariable("ZELQUIZ_DATA_DIR");
}

// A fixture file of tests/data, such as "signatures/A.zel".
QByteArray testData(const QString &name);
