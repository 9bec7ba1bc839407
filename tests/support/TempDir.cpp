#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

TempDir::TempDir()
{
    EXPECT_TRUE(m_dir.isValid());
}

void TempDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray TempDir::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempDir::copyData(const QString &name) const
{
    QFile::remove(file(name));
    ASSERT_TRUE(QFile::copy(sampleDataDir() + QLatin1Char('/') + name, file(name)))
        << name.toStdString();
}

QString sampleDataDir()
{
    return qEnvironmentVariable("ZELQUIZ_DATA_DIR");
}
