#pragma once

#include "Fakes.h"
#include "TempDir.h"
#include "gui/about/SplashScreen.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/AnswerButton.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// A main window over a program folder of its own and fake services.
struct MainHarness {
    // Copies the bundled sample bank and sounds into the folder.
    void useSampleData();
    // Writes a bank of `entries` questions: text i is "T<i>", entry i has
    // category 4 and the right answer text i.
    void writeBank(int entries);
    // The same in a folder of its own, its texts starting with `prefix`.
    static void writeBank(const QString &folder, int entries, const QByteArray &prefix);

    // Creates the window and runs its start-up. The start-up picture is
    // left out unless a test asks for it, as though it had been shown.
    bool start();
    bool withSplash = false;
    // The bank folder the command line names; none by default.
    QString requestedBank;

    // Shows the window as the program does, for focus and visibility.
    void show();

    // A control (or the countdown) of the window by its object name; a
    // missing one fails the test.
    template <class T = QWidget> T *child(const QString &name) const
    {
        T *found = main->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    AnswerButton *button(int number) const
    {
        return child<AnswerButton>(QStringLiteral("answerButton%1").arg(number));
    }
    std::array<AnswerButton *, 6> buttons() const
    {
        return {button(1), button(2), button(3), button(4), button(5), button(6)};
    }
    QTimer *countdown() const { return child<QTimer>(QStringLiteral("countdown")); }
    // The start-up picture while it is open.
    SplashScreen *splash() const { return main->findChild<SplashScreen *>(); }

    TempDir dir;
    FakeServices fakes;
    std::unique_ptr<MainWindow> main;
};
