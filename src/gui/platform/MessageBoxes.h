#pragma once

#include <QString>

class QWidget;

// Modal message boxes behind an interface, so that a test can answer them
// without a person.
class MessageBoxes {
  public:
    // YesNoSafe: No is the default button, for a question whose Yes gives
    // something up. ActionCancel: a button named for a destructive action,
    // and Cancel as the default.
    enum class Buttons { Ok, YesNo, YesNoSafe, ActionCancel };
    enum class Icon { NoIcon, Information };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;

    // Texts may hold CR or CR LF line breaks. An empty title gives the
    // program's title. A box with OK alone always gives Answer::Ok.
    virtual Answer show(QWidget *owner, const QString &text, const QString &title, Buttons buttons,
                        Icon icon) = 0;

    // Asks before a destructive action: a button named `action` and
    // Cancel, which is the default (Return) and the Escape button, so
    // that only a deliberate choice destroys anything. Yes for the action,
    // No for Cancel.
    virtual Answer confirm(QWidget *owner, const QString &text, const QString &title,
                           const QString &action) = 0;
};
