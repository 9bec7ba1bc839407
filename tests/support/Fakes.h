#pragma once

#include "CoreFakes.h"
#include "gui/main/AppServices.h"
#include "gui/platform/CuePlayer.h"
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
        if (whileOpen)
            whileOpen(shown.back());
        if (answers.empty())
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::function<void(const Shown &)> whileOpen;
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

// A full set of fake services.
struct FakeServices {
    FakeSound sound;
    FakeBoxes boxes;
    FakeEnd end;
    SeededRandom random;
    MemorySettings settings;
    AppServices services() { return AppServices{sound, boxes, end, random, settings}; }
};
