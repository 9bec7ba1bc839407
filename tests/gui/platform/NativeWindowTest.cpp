// What the start-up asks before it waits in the event loop: is there a
// window on the screen, or only Qt's belief in one?
#include "gui/platform/NativeWindow.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(NativeWindow, ExistsOnlyOnceTheWindowSystemMadeIt)
{
    QWidget window;
    auto *control = new QWidget(&window);
    EXPECT_FALSE(NativeWindow::exists(window));
    window.show();
    EXPECT_TRUE(NativeWindow::exists(*control));
}
