#pragma once

#include <QString>

// What the update window shows: its status text and its four buttons. The
// texts keep their CR line breaks; the window maps them when it draws.
struct UpdateView {
    struct Button {
        bool visible = true;
        bool enabled = true;
        QString caption;
        bool operator==(const Button &) const = default;
    };

    QString status;
    Button checkButton{true, true, QStringLiteral("Check for Update")};
    // Closes the window while no download is offered: "Cancel" until a
    // check starts, then "Done".
    Button doneButton{true, true, QStringLiteral("Cancel")};
    Button downloadButton{false, true, QStringLiteral("Download Data Files")};
    // Closes the window while a download is offered: "Cancel", then
    // "Done" once the download is complete.
    Button cancelButton{false, true, QStringLiteral("Cancel")};

    bool operator==(const UpdateView &) const = default;

    // As the window loads.
    static UpdateView loaded() { return UpdateView{}; }
};
