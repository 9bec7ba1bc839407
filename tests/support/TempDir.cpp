#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

void TempDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray TempDir::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempDir::copyData(const QString &name) const
{
    QFile::remove(file(name));
    ASSERT_TRUE(QFile::copy(sampleDataDir() + QLatin1Char('/') + name, file(name)))
        << name.toStdString();
}

QByteArray testData(const QString &name)
{
    QFile f(qEnvironmentVariable("ZELQUIZ_TEST_DATA_DIR") + QLatin1Char('/') + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}
