#include "ErrorReport.h"

#include "Error.h"
#include "NumberText.h"

ErrorReport ErrorReport::forFailure(const Error &error)
{
    const QString title = QStringLiteral("Program Error!");
    switch (error.number()) {
    case ErrorNumber::Overflow:
        return {QStringLiteral("Overflow."), title};
    case ErrorNumber::OutOfMemory:
        return {QStringLiteral("Out of Memory."), title};
    case ErrorNumber::SubscriptOutOfRange:
        return {QStringLiteral("Subscript out of Range."), title};
    case ErrorNumber::FileNotFound:
        return {QStringLiteral("Error Loading From File."), title};
    case ErrorNumber::InputPastEnd:
        return {QStringLiteral("Input Past End of File."), title};
    case ErrorNumber::DatabaseLoad:
        return {QStringLiteral("Database Files Not Found."), title};
    case ErrorNumber::TooFewQuestions:
        return {QStringLiteral("The question bank has fewer than two questions that can be asked."
                               "\rCheck the files A.zel and AD.zel beside the program."),
                title};
    default:
        // The only message that separates its lines with CR LF.
        return {QStringLiteral("Error occured!\r\n#") + plainText(error.code()) +
                    QStringLiteral(": ") + error.description(),
                QStringLiteral("Program Error!!")};
    }
}
