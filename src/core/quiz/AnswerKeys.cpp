#include "AnswerKeys.h"

#include <Qt>

namespace AnswerKeys {

int answerForKey(int key, quint32 nativeScanCode)
{
    if (key >= Qt::Key_1 && key <= Qt::Key_6)
        return key - Qt::Key_1 + 1;
#if defined(Q_OS_MACOS)
    // Virtual key codes there follow the layout; the key above does.
    Q_UNUSED(nativeScanCode);
    return 0;
#else
#if defined(Q_OS_WIN)
    // Set 1 scan codes of the digit-row keys 1..6.
    constexpr quint32 firstScanCode = 2;
#else
    // X11 key codes (evdev + 8) of the digit-row keys 1..6.
    constexpr quint32 firstScanCode = 10;
#endif
    if (nativeScanCode >= firstScanCode && nativeScanCode < firstScanCode + 6)
        return int(nativeScanCode - firstScanCode) + 1;
    return 0;
#endif
}

} // namespace AnswerKeys
