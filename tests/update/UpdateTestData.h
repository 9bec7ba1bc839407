#pragma once

#include "support/TempDir.h"
#include "update/frmChkUpdt.h"

#include <QByteArray>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <array>

// A small bank that loads and asks seven questions, as a server would
// hold it (no line end after the last line: the download adds one).
inline QByteArray sampleA()
{
    return "Fern\r\nCactus\r\nMoss\r\nIvy\r\nPalm\r\nOrchid\r\nBasil";
}
inline QByteArray sampleAD()
{
    return "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n3|4|1|2|5|6|7|\r\n5|3|1|2|4|6|7|\r\n"
           "3|6|1|2|3|4|5|\r\n4|5|1|2|3|4|6|\r\n3|1|2|3|4|5|6|";
}

// The installed bank of a program folder, version 1.2.
inline void installBank(const TempDir &dir)
{
    dir.write(QStringLiteral("A.zel"), "Old\r\nOlder\r\nOldest\r\n");
    dir.write(QStringLiteral("AD.zel"), "3|2|3|1|2|3|1|\r\n3|1|3|1|2|3|1|\r\n3|1|2|1|2|3|1|\r\n");
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
}

// The three files of the folder, to compare before and after.
inline std::array<QByteArray, 3> bankFiles(const TempDir &dir)
{
    return {dir.read(QStringLiteral("A.zel")), dir.read(QStringLiteral("AD.zel")),
            dir.read(QStringLiteral("DV.ZEL"))};
}

// The four buttons as a user sees them: "Command1 on | dbtn Done | dlbtn - | cbtn -";
// "-" is hidden, "off" a shown but disabled button. The controls are found
// by their names, as a screen reader or the main window's tests find them.
inline QString buttonsOf(const frmChkUpdt &w)
{
    QStringList out;
    for (const char *name : {"Command1", "dbtn", "dlbtn", "cbtn"}) {
        const auto *b = w.findChild<QPushButton *>(QLatin1String(name));
        if (!b)
            return QStringLiteral("no ") + QLatin1String(name);
        const QString state = b->isHidden()     ? QStringLiteral("-")
                              : !b->isEnabled() ? QStringLiteral("off")
                              : QLatin1String(name) == QLatin1String("Command1")
                                  ? QStringLiteral("on")
                                  : b->text();
        out << QLatin1String(name) + QLatin1Char(' ') + state;
    }
    return out.join(QStringLiteral(" | "));
}
