#include "RunTimeError.h"

RunTimeError::RunTimeError(int number) : RunTimeError(number, describe(number)) {}

RunTimeError::RunTimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("#%1: %2").arg(number).arg(m_description).toUtf8())
{
}

QString RunTimeError::describe(int number)
{
    switch (number) {
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case FileAccess:
        return QStringLiteral("Path/File access error");
    case InputPastEnd:
        return QStringLiteral("Input past end of file");
    case InvalidPicture:
        return QStringLiteral("Invalid picture");
    case DatabaseLoad:
        return QStringLiteral("Error loading from file");
    case TooFewQuestions:
        return QStringLiteral("Too few questions in the question bank");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
