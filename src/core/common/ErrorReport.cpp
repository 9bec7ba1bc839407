#include "ErrorReport.h"

#include "NumberText.h"
#include "RunTimeError.h"

ErrorReport ErrorReport::forFailure(int number, const QString &description)
{
    const QString title = QStringLiteral("Program Error!");
    switch (number) {
    case RunTimeError::Overflow:
        return {QStringLiteral("Overflow."), title};
    case RunTimeError::OutOfMemory:
        return {QStringLiteral("Out of Memory."), title};
    case RunTimeError::SubscriptOutOfRange:
        return {QStringLiteral("Subscript out of Range."), title};
    case RunTimeError::FileNotFound:
        return {QStringLiteral("Error Loading From File."), title};
    case RunTimeError::InputPastEnd:
        return {QStringLiteral("Input Past End of File."), title};
    case RunTimeError::DatabaseLoad:
        return {QStringLiteral("Database Files Not Found."), title};
    case RunTimeError::TooFewQuestions:
        return {QStringLiteral("The question bank has fewer than two questions that can be asked."
                               "\rCheck the files A.zel and AD.zel beside the program."),
                title};
    default:
        // The only message that separates its lines with CR LF.
        return {QStringLiteral("Error occured!\r\n#") + PlainText(number) + QStringLiteral(": ") +
                    description,
                QStringLiteral("Program Error!!")};
    }
}
