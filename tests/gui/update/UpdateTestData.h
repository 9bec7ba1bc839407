#pragma once

#include "ScriptedServer.h"
#include "gui/network/QtHttpFetcher.h"
#include "gui/update/frmChkUpdt.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

// A small bank that loads and asks seven questions, as a server would
// hold it (no line end after the last line: the download adds one).
inline const QByteArray kServerA = "Fern\r\nCactus\r\nMoss\r\nIvy\r\nPalm\r\nOrchid\r\nBasil";
inline const QByteArray kServerAD =
    "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n3|4|1|2|5|6|7|\r\n5|3|1|2|4|6|7|\r\n"
    "3|6|1|2|3|4|5|\r\n4|5|1|2|3|4|6|\r\n3|1|2|3|4|5|6|";

// A server with the bank above at data version 1.3 and the program at 1.6.
inline void serveBank(ScriptedServer &server)
{
    server.on("/zel/zelq_ver.txt", {"1.6"});
    server.on("/zel/DV.ZEL", {"1.3"});
    server.on("/zel/A.zel", {kServerA});
    server.on("/zel/AD.zel", {kServerAD});
}

// The installed bank of a program folder, version 1.2.
inline void installBank(const TempDir &dir)
{
    dir.write(QStringLiteral("A.zel"), "Old\r\nOlder\r\nOldest\r\n");
    dir.write(QStringLiteral("AD.zel"), "3|2|3|1|2|3|1|\r\n3|1|3|1|2|3|1|\r\n3|1|2|1|2|3|1|\r\n");
    dir.write(QStringLiteral("DV.ZEL"), "1.2\r\n");
}

// Every name in a folder, then the bytes of the three files (Latin-1 maps
// each byte to one character), to compare before and after.
inline QStringList folderState(const QString &folder)
{
    QStringList out =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const char *name : {"A.zel", "AD.zel", "DV.ZEL"}) {
        QFile f(folder + QLatin1Char('/') + QLatin1String(name));
        out << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "(no file)");
    }
    return out;
}

// The four buttons as a user sees them: "Command1 on | dbtn Done | dlbtn - | cbtn -";
// "-" is hidden, "off" a shown but disabled button. The controls are found
// by their names, as a screen reader or the main window's tests find them.
inline QString buttonsOf(const frmChkUpdt &w)
{
    QStringList out;
    for (const QString name : {"Command1", "dbtn", "dlbtn", "cbtn"}) {
        const auto *b = w.findChild<QPushButton *>(name);
        out << name + QLatin1Char(' ') +
                   (!b                                  ? QStringLiteral("missing")
                    : b->isHidden()                     ? QStringLiteral("-")
                    : !b->isEnabled()                   ? QStringLiteral("off")
                    : name == QLatin1String("Command1") ? QStringLiteral("on")
                                                        : b->text());
    }
    return out.join(QStringLiteral(" | "));
}

inline constexpr const char *kCurrentButtons = "Command1 on | dbtn Done | dlbtn - | cbtn -";
inline constexpr const char *kUpgradeButtons =
    "Command1 on | dbtn - | dlbtn Download Data Files | cbtn Cancel";
inline const QString CR = QStringLiteral("\r");
