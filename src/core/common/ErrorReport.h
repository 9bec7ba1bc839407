#pragma once

#include <QString>

// What the error reporter shows for a failure: chosen by the number alone,
// except for the generic row, which quotes the number and the description.
struct ErrorReport {
    QString text;
    QString title;

    static ErrorReport forFailure(int number, const QString &description);
};
