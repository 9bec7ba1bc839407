#pragma once

#include "gui/widgets/AnswerButton.h"
#include "support/MainHarness.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

inline const QColor kNavy(0, 0, 128);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kWrong(255, 128, 128);
using Boxes = std::vector<FakeBoxes::Shown>;

// A started and shown main window over a bank of ten entries; its controls
// are found by their names.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
        QObject::connect(h.main.get(), &MainWindow::alerted,
                         [this](QWidget *w) { alerts << w->objectName(); });
    }
    MainWindow &m() { return *h.main; }
    const QuizState &s() { return m().state(); }
    // The button showing answer k (1 is the right one).
    AnswerButton *answerButton(int k) { return h.button(s().answerButtons[std::size_t(k - 1)]); }
    static void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void click(const char *button) { click(h.child<QPushButton>(button)); }
    void choose(const char *action) { h.child<QAction>(action)->trigger(); }
    void startGame()
    {
        choose("timedAction");
        click("startStopButton");
    }
    void key(int key, quint32 code = 0, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, code, 0, 0);
        QApplication::sendEvent(&m(), &press);
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            m().countdownTicked();
    }

    // What a control shows, and what a screen reader reads of it.
    QString text(const char *name) { return h.child<QObject>(name)->property("text").toString(); }
    QString spoken(const char *name) { return h.child(name)->accessibleName(); }
    QColor colour(const char *name) { return h.child(name)->palette().color(QPalette::WindowText); }
    bool visible(const char *name) { return h.child(name)->isVisible(); }
    QStringList counters()
    {
        return {text("correctCount"), text("wrongCount"), text("totalCount")};
    }
    QString subject() { return QStringLiteral("T%1").arg(s().entry); }

    MainHarness h;
    // The controls a screen reader was alerted to, in turn.
    QStringList alerts;
};
