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
    enum class Control { Answer1, ShowCorrect, Next, StartStop };

    struct AnswerButton {
        QString caption;
        ButtonColour colour = ButtonColour::Face;
        bool enabled = true;
    };

    std::array<AnswerButton, 6> answers;
    QString question;
    TextColour questionColour = TextColour::Navy;

    bool nextVisible = false;
    bool showCorrectVisible = false;
    bool showCorrectEnabled = true;

    bool standardFrameVisible = true;
    QString lblCorrect = QStringLiteral("0");
    QString lblWrong = QStringLiteral("0");
    QString lblTotal = QStringLiteral("0");

    bool timedFrameVisible = false;
    QString lblCorrectT = QStringLiteral("Correct: 0");
    QString lblWrongT = QStringLiteral("Wrong: 0");
    QString lblTotalT = QStringLiteral("Questions Remaining: 0");
    QString lblScore = QStringLiteral("SCORE: 0");
    QString lblLevel = QStringLiteral("Level: 1");
    QString timeRemain;
    TextColour timeColour = TextColour::Navy;

    bool startStopVisible = false;
    QString startStopCaption = QStringLiteral("Start");

    bool menuStandardChecked = true;
    bool menuTimedChecked = false;
    bool menuReviewChecked = false;

    // The control that should hold the keyboard focus after this event,
    // given only if it is enabled and visible when the window renders.
    std::optional<Control> focus;
};
