#pragma once

#include "CoreFakes.h"
#include "core/sysinfo/SystemInfoLookup.h"
#include "gui/main/AppServices.h"
#include "gui/platform/CuePlayer.h"
#include "gui/platform/FileDialogs.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ProgramEnd.h"

#include <deque>
#include <ostream>

// Records every command sent to the sound device.
class FakeSound final : public CuePlayer {
  public:
    void play(const QString &path) override { commands << QStringLiteral("play ") + path; }
    void close() override { commands << QStringLiteral("close"); }
    QStringList commands;
};

// Records every message box and answers it as scripted (Yes by default for
// a question, OK for a notice). A hook may run while the box is "open".
class FakeBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        QString action = {}; // the action's button of a confirmation
        bool operator==(const Shown &) const = default;
        friend void PrintTo(const Shown &b, std::ostream *os)
        {
            *os << '"' << b.title.toStdString() << "\": \"" << b.text.toStdString() << "\" buttons "
                << int(b.buttons) << " icon " << int(b.icon);
        }
    };
    Answer show(QWidget *, const QString &text, const QString &title, Buttons buttons,
                Icon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        return answer();
    }
    Answer confirm(QWidget *, const QString &text, const QString &title,
                   const QString &action) override
    {
        shown.push_back({text, title, Buttons::ActionCancel, Icon::NoIcon, action});
        return answer();
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::function<void(const Shown &)> whileOpen;

  private:
    Answer answer()
    {
        if (whileOpen)
            whileOpen(shown.back());
        if (answers.empty())
            return shown.back().buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        const Answer next = answers.front();
        answers.pop_front();
        return next;
    }
};

class FakeEnd final : public ProgramEnd {
  public:
    void endNow(int exitCode) override
    {
        ended = true;
        code = exitCode;
    }
    bool ended = false;
    int code = -1;
};

// Nothing to find and nothing started: every press of "System Info..."
// ends in the message.
class NoSystemInfo final : public SystemInfoLookup, public ProgramStarter {
  public:
    std::optional<QString> configuredProgram() override { return std::nullopt; }
    std::optional<QStringList> programCandidates() override { return std::nullopt; }
    bool startDetached(const QString &) override { return false; }
};

// Answers each chooser with the next path scripted (none: cancelled).
class FakeFileDialogs final : public FileDialogs {
  public:
    QString openFile(QWidget *, const QString &, const QString &) override { return next(); }
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return next();
    }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return next(); }
    std::deque<QString> paths;

  private:
    QString next()
    {
        const QString path = paths.empty() ? QString() : paths.front();
        if (!paths.empty())
            paths.pop_front();
        return path;
    }
};

// A full set of fake services.
struct FakeServices {
    FakeSound sound;
    FakeBoxes boxes;
    FakeEnd end;
    SeededRandom random;
    MemorySettings settings;
    FakeFileDialogs files;
    AppServices services()
    {
        return AppServices{sound, boxes, end, random, settings, nullptr, &files};
    }
};
