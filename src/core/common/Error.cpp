#include "Error.h"

QString Error::describe(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::FileAccess:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::InputPastEnd:
        return QStringLiteral("Input past end of file");
    case ErrorNumber::InvalidPicture:
        return QStringLiteral("Invalid picture");
    case ErrorNumber::DatabaseLoad:
        return QStringLiteral("Error loading from file");
    case ErrorNumber::TooFewQuestions:
        return QStringLiteral("Too few questions in the question bank");
    case ErrorNumber::None:
        break;
    }
    return QStringLiteral("Application-defined or object-defined error");
}
