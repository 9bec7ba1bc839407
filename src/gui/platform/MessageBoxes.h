#pragma once

#include <QString>

class QWidget;

// Modal message boxes with the classic button codes, so that a test can
// answer them without a person.
class MessageBoxes {
  public:
    enum Buttons { Ok, YesNo };
    enum Icon { NoIcon, Information };
    enum Result { OkPressed = 1, YesPressed = 6, NoPressed = 7 };

    virtual ~MessageBoxes() = default;

    // Texts may hold CR or CR LF line breaks. An empty title gives the
    // program's title.
    virtual int show(QWidget *owner, const QString &text, const QString &title, Buttons buttons,
                     Icon icon) = 0;
};
