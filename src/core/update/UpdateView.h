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

    QString Text2;
    Button Command1{true, true, QStringLiteral("Check for Update")};
    Button dbtn{true, true, QStringLiteral("Cancel")};
    Button dlbtn{false, true, QStringLiteral("Download Data Files")};
    Button cbtn{false, true, QStringLiteral("Cancel")};

    bool operator==(const UpdateView &) const = default;

    // As the window loads.
    static UpdateView loaded() { return UpdateView{}; }
};
