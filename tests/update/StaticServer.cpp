#include "StaticServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

StaticServer::StaticServer()
{
    QDir(m_root.path()).mkpath(QStringLiteral("zel"));
    m_process.setProgram(QStringLiteral("python3"));
    // Port 0: the system picks a free one, and the server prints it.
    m_process.setArguments({QStringLiteral("-u"), QStringLiteral("-m"),
                            QStringLiteral("http.server"), QStringLiteral("0"),
                            QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                            QStringLiteral("--directory"), m_root.path()});
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        ADD_FAILURE() << "python3 could not be started: " << m_process.errorString().toStdString();
        return;
    }
    static const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
    QByteArray out;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        out += m_process.readAllStandardOutput();
        const auto match = portLine.match(QString::fromUtf8(out));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return;
        }
    }
    ADD_FAILURE() << "the static server did not start: " << out.toStdString();
}

StaticServer::~StaticServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QUrl StaticServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port));
}

void StaticServer::put(const QString &name, const QByteArray &bytes) const
{
    QFile f(m_root.filePath(QStringLiteral("zel/") + name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}
