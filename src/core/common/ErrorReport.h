#pragma once

#include <QString>

class Error;

// What the error reporter shows for a failure: chosen by the number alone,
// except for the generic row, which quotes the number and the description.
struct ErrorReport {
    QString text;
    QString title;

    [[nodiscard]] static ErrorReport forFailure(const Error &error);
};
