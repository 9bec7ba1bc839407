#pragma once

#include <QtGlobal>

// The answer number (1..6) a key press stands for, or 0. The digits 1 to 6
// of the digit row and of the numeric keypad count; so do the physical
// digit-row keys on layouts where the digits need Shift, recognised by
// their scan code on the platforms that report one.
namespace AnswerKeys {

int answerForKey(int key, quint32 nativeScanCode);

} // namespace AnswerKeys
