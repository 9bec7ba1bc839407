#pragma once

#include "Fakes.h"
#include "TempDir.h"
#include "gui/main/Main.h"

#include <QByteArray>

#include <memory>

// A main window over a program folder of its own and fake services.
struct MainHarness {
    // Copies the bundled sample bank and sounds into the folder.
    void useSampleData();
    // Writes a bank of `entries` questions: text i is "T<i>", entry i has
    // category 4 and the right answer text i.
    void writeBank(int entries);

    // Creates the window and runs its start-up. The start-up picture is
    // left out unless a test asks for it, as though it had been shown.
    bool start();
    bool withSplash = false;

    // Shows the window as the program does, for focus and visibility.
    void show();

    TempDir dir;
    FakeServices fakes;
    std::unique_ptr<Main> main;
};
