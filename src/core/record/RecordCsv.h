#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Rows of comma-separated values: UTF-8, CRLF line ends, every field quoted
// (so that no separator a spreadsheet may choose splits a text). Bank texts
// are data: a field that a spreadsheet would take for a formula, blanks
// before it or not, gets a leading apostrophe.
class RecordCsv {
  public:
    explicit RecordCsv(QIODevice &out) : m_out(out) {}

    static QString field(const QString &text);
    void row(const QStringList &fields);
    // Empty when every row was written.
    QString error() const { return m_error; }

  private:
    QIODevice &m_out;
    QString m_error;
};
