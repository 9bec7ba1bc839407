#pragma once

#include <QObject>

#include <gtest/gtest.h>

// A control of a window by its name, as a screen reader finds it; a
// missing one fails the test.
template <class T = QWidget> T *control(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
