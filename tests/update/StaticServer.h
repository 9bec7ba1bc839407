#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A real static web server on 127.0.0.1 over a folder of its own, as an
// update server is hosted: Python's http.server on a free port. It is
// stopped when the object goes.
class StaticServer {
  public:
    StaticServer();
    ~StaticServer();

    bool running() const { return m_port != 0; }
    QUrl baseUrl() const;

    // Puts a file under "zel/" of the served folder.
    void put(const QString &name, const QByteArray &bytes) const;

  private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
