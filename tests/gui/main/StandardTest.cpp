// The Standard drill through the real window: clicks on the buttons, and
// what the labels, colours, focus and a screen reader show afterwards.
#include "WindowTest.h"

namespace {

class StandardDrill : public WindowTest {
  protected:
    QColor face() { return m().palette().color(QPalette::Button); }
    bool focused(const char *name) { return m().focusWidget() == h.child(name); }
};

TEST_F(StandardDrill, AMissedQuestionOffersASecondTryAndShowsTheRightAnswer)
{
    AnswerButton *first = answerButton(2);
    click(first);
    for (AnswerButton *b : h.buttons())
        EXPECT_EQ(b->isEnabled(), b != first);
    EXPECT_EQ(text("questionLabel"), "Incorrect!!\nTry Once More Without "
                                     "Affecting Score?\n\nWhat Term means:\n" +
                                         subject());
    EXPECT_EQ(colour("questionLabel"), kDarkRed);
    EXPECT_TRUE(spoken("questionLabel").startsWith("Incorrect!! Try Once More Without"));
    EXPECT_EQ(alerts, QStringList{"questionLabel"});
    EXPECT_TRUE(visible("nextButton"));
    EXPECT_TRUE(visible("showCorrectButton"));
    EXPECT_TRUE(focused("showCorrectButton"));
    // Counted at once, shown only with the next question.
    EXPECT_EQ(s().answered, 1);
    EXPECT_EQ(counters(), (QStringList{"0", "0", "0"}));

    const QString question = text("questionLabel");
    click("showCorrectButton");
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(answerButton(k)->background(), k == 1   ? QColor(128, 255, 128)
                                                 : k == 2 ? kWrong
                                                          : face());
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(h.child("showCorrectButton")->isEnabled());
    EXPECT_TRUE(visible("showCorrectButton"));
    EXPECT_EQ(text("questionLabel"), question);

    // On a fresh question a second miss spends it: every button is off.
    click("nextButton");
    EXPECT_EQ(alerts.size(), 1); // a new question is no warning
    click(answerButton(2));
    click(answerButton(6));
    EXPECT_EQ(answerButton(6)->background(), kWrong);
    for (AnswerButton *b : h.buttons())
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(text("questionLabel"), "Still Incorrect!!\nClick Show Answer To See Correct "
                                     "Answer or Next To Continue.\n\nWhat Term means:\n" +
                                         subject());
    EXPECT_EQ(alerts.size(), 3);
    EXPECT_TRUE(focused("showCorrectButton"));
}

// Every way on to a fresh question (-1 Show Correct, 0 Next, k answer k)
// brings every button back; a right first answer counts, a miss once. No
// message and no sound either way: only the start-up cue.
TEST_F(StandardDrill, EveryWayOnToAFreshQuestion)
{
    const std::vector<std::pair<std::vector<int>, QStringList>> ways = {
        {{1}, {"1", "0", "1"}},        {{2, 0}, {"1", "1", "2"}},
        {{2, 3, 0}, {"1", "2", "3"}},  {{2, 3, -1, 0}, {"1", "3", "4"}},
        {{5, -1, 0}, {"1", "4", "5"}}, {{3, 1}, {"1", "5", "6"}}};
    for (const auto &[clicks, expected] : ways) {
        SCOPED_TRACE(expected.join(' ').toStdString());
        const int entry = s().entry;
        for (int k : clicks)
            k == -1  ? click("showCorrectButton")
            : k == 0 ? click("nextButton")
                     : click(answerButton(k));
        EXPECT_NE(s().entry, entry);
        EXPECT_EQ(counters(), expected);
        EXPECT_EQ(text("questionLabel"), "What Term means:\n\n" + subject());
        EXPECT_EQ(colour("questionLabel"), kNavy);
        EXPECT_FALSE(visible("nextButton"));
        EXPECT_FALSE(visible("showCorrectButton"));
        EXPECT_TRUE(focused("answerButton1"));
        for (AnswerButton *b : h.buttons()) {
            EXPECT_TRUE(b->isEnabled());
            EXPECT_EQ(b->background(), face());
        }
    }
    EXPECT_EQ(spoken("wrongCount"), "Wrong: 5");
    EXPECT_EQ(spoken("totalCount"), "Total Questions: 6");
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_EQ(h.fakes.sound.commands.size(), 1);
}

// The strongest contrast any pixel inside the frame has with the face:
// that of the caption's strokes.
double captionContrast(AnswerButton *b)
{
    const QImage image = b->grab().toImage();
    double strongest = 1;
    for (int y = 6; y < image.height() - 6; ++y)
        for (int x = 6; x < image.width() - 6; ++x)
            strongest =
                std::max(strongest, AnswerButton::contrast(image.pixel(x, y), b->background()));
    return strongest;
}

// The answer to learn and the wrong pick stay readable on their colours
// once every button is off (4.5:1 at least); a plain disabled button keeps
// the style's grey caption.
TEST_F(StandardDrill, MarkedAnswersAreReadableOnceTheButtonsAreOff)
{
    click(answerButton(2));
    click("showCorrectButton");
    EXPECT_GE(captionContrast(answerButton(1)), 4.5);
    EXPECT_GE(captionContrast(answerButton(2)), 4.5);
    EXPECT_LT(captionContrast(answerButton(3)), 4.5);
}

// Bank texts are shown as written: no markup, no access keys.
TEST_F(StandardDrill, BankTextsShowLiterally)
{
    h.dir.write("A.zel", "<b>x</b>\r\nSalt & pepper\r\nT3\r\nT4\r\nT5\r\nT6\r\n");
    h.dir.write("AD.zel", QByteArray("4|2|1|3|4|5|6|\r\n").repeated(3));
    ASSERT_TRUE(h.start());
    for (int i = 0; i < 100 && s().entry != 1; ++i)
        h.child<QPushButton>("nextButton")->click();
    ASSERT_EQ(s().entry, 1);
    EXPECT_EQ(h.child<QLabel>("questionLabel")->textFormat(), Qt::PlainText);
    EXPECT_EQ(text("questionLabel"), "What Term means:\n\n<b>x</b>");
    EXPECT_EQ(answerButton(1)->caption(), "Salt & pepper");
    EXPECT_EQ(answerButton(1)->text(), "Salt && pepper");
}

} // namespace
