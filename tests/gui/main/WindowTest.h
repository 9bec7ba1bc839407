#pragma once

#include "gui/widgets/AnswerButton.h"
#include "support/MainHarness.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// A started and shown main window over a bank of ten entries.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        ASSERT_TRUE(h.start());
        h.show();
    }
    Main &m() { return *h.main; }
    // The button showing answer k (1 is the right one).
    AnswerButton *answerButton(int k) { return h.button(m().state().AnsPos[k - 1]); }
    static void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    QColor textColour(const QLabel *l) const { return l->palette().color(QPalette::WindowText); }

    MainHarness h;
};
