#pragma once

#include <QString>

#include <array>
#include <optional>

// What the main window shows, as plain values: the quiz rules write it,
// the window renders it. Texts keep their CR line breaks; the window maps
// them to line breaks when it draws them.
struct MainView {
    enum class ButtonColour { Face, Wrong, Revealed };
    enum class TextColour { Navy, DarkRed };
    enum class Control { FirstAnswer, ShowCorrect };

    struct AnswerButton {
        QString caption;
        ButtonColour colour = ButtonColour::Face;
        bool enabled = true;
    };

    // The Standard quiz's counters.
    struct StandardCounters {
        bool visible = true;
        QString correct = QStringLiteral("0");
        QString wrong = QStringLiteral("0");
        QString total = QStringLiteral("0");
    };

    // The timed game's box: its counters, score, level and countdown.
    struct TimedStatus {
        bool visible = false;
        QString correct = QStringLiteral("Correct: 0");
        QString wrong = QStringLiteral("Wrong: 0");
        QString remaining = QStringLiteral("Questions Remaining: 0");
        QString score = QStringLiteral("SCORE: 0");
        QString level = QStringLiteral("Level: 1");
        QString timeRemaining;
        TextColour timeColour = TextColour::Navy;
    };

    // The check marks of the quiz menus.
    struct MenuChecks {
        bool standard = true;
        bool timed = false;
        bool review = false;
        bool reviewDue = false;
    };

    std::array<AnswerButton, 6> answers;
    QString question;
    TextColour questionColour = TextColour::Navy;
    // While the review drill runs, what it is and how many questions are
    // still due; empty otherwise.
    QString reviewStatus;

    bool nextVisible = false;
    bool showCorrectVisible = false;
    bool showCorrectEnabled = true;
    bool startStopVisible = false;
    QString startStopCaption = QStringLiteral("Start");

    StandardCounters standard;
    TimedStatus timed;
    MenuChecks checked;

    // The control that should hold the keyboard focus after this event,
    // given only if it is enabled and visible when the window renders.
    std::optional<Control> focus;
};
