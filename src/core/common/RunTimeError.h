#pragma once

#include <QString>

#include <exception>

// A failure with the number and description the error reporter works with.
// The numbers follow the classic run-time error numbering, because the
// error reporter picks its message by number alone.
class RunTimeError : public std::exception {
  public:
    enum Number : int {
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        FileNotFound = 53,
        FileAccess = 75,
        InputPastEnd = 62,
        InvalidPicture = 481,
        DatabaseLoad = 31037,
        // Our own: a bank that cannot give two different questions in a row.
        TooFewQuestions = 31100,
    };

    explicit RunTimeError(int number);
    RunTimeError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // The standard description of a failure number ("Type mismatch").
    static QString describe(int number);

  private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
