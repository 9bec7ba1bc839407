#include "ExamPage.h"

#include "core/common/DisplayText.h"
#include "core/quiz/AnswerKeys.h"
#include "core/quiz/QuestionBank.h"
#include "gui/main/ScreenReader.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/widgets/AnswerButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A chosen answer: a quiet blue, apart from the right and wrong colours.
const QColor ChosenFill(184, 207, 240);
const QColor FlaggedFill(255, 236, 160);

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel *label(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

ExamPage::ExamPage(const QuestionBank &bank, MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent), m_bank(bank), m_boxes(boxes), m_clockTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("examPage"));
    m_clock = [this] { return m_started.isValid() ? m_started.elapsed() : 0; };
    m_clockTimer->setObjectName(QStringLiteral("examClock"));
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &ExamPage::clockTicked);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    m_questionList = new QListWidget(this);
    m_questionList->setObjectName(QStringLiteral("questionList"));
    m_questionList->setAccessibleName(QStringLiteral("Questions"));
    m_questionList->setFixedWidth(120);
    m_questionList->setUniformItemSizes(true);
    m_questionList->installEventFilter(this);
    outer->addWidget(m_questionList);

    auto *main = new QVBoxLayout;
    outer->addLayout(main, 1);
    auto *top = new QHBoxLayout;
    m_counterLabel = label("counterLabel", this);
    QFont bold = m_counterLabel->font();
    bold.setBold(true);
    m_counterLabel->setFont(bold);
    m_timeLabel = label("timeLabel", this);
    m_timeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_counterLabel);
    top->addWidget(m_timeLabel);
    main->addLayout(top);
    m_questionLabel = label("examQuestionLabel", this);
    m_questionLabel->setWordWrap(true);
    m_questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_questionLabel->setFixedHeight(64);
    main->addWidget(m_questionLabel);

    auto *grid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        auto *b = new AnswerButton(i + 1, this);
        b->setObjectName(QStringLiteral("examAnswer%1").arg(i + 1));
        b->setCheckable(true);
        b->setMinimumHeight(60);
        connect(b, &QPushButton::clicked, this, [this, k = i + 1] { choose(k); });
        grid->addWidget(b, i / 2, i % 2);
        m_answers[std::size_t(i)] = b;
    }
    main->addLayout(grid, 1);

    auto *buttons = new QHBoxLayout;
    m_previousButton = button("examPreviousButton", QStringLiteral("< &Previous"), this);
    m_nextButton = button("examNextButton", QStringLiteral("&Next >"), this);
    m_flagButton = button("examFlagButton", QStringLiteral("Fla&g"), this);
    m_finishButton = button("examFinishButton", QStringLiteral("F&inish"), this);
    for (QPushButton *b : {m_previousButton, m_nextButton, m_flagButton, m_finishButton})
        buttons->addWidget(b);
    main->addLayout(buttons);
    connect(m_previousButton, &QPushButton::clicked, this,
            [this] { goTo(m_exam->currentIndex() - 1); });
    connect(m_nextButton, &QPushButton::clicked, this,
            [this] { goTo(m_exam->currentIndex() + 1); });
    connect(m_flagButton, &QPushButton::clicked, this, [this] {
        m_exam->toggleFlag();
        render();
    });
    connect(m_finishButton, &QPushButton::clicked, this, &ExamPage::requestFinish);
    connect(m_questionList, &QListWidget::currentRowChanged, this, &ExamPage::goTo);
}

void ExamPage::begin(Exam exam)
{
    m_exam.emplace(std::move(exam));
    m_started.start();
    {
        const QSignalBlocker quiet(m_questionList);
        m_questionList->clear();
        for (int i = 0; i < m_exam->count(); ++i)
            new QListWidgetItem(m_questionList);
    }
    for (int i = 0; i < m_exam->count(); ++i)
        renderListItem(i);
    if (m_exam->timeLimited())
        m_clockTimer->start();
    render();
    if (m_answers[0]->isVisible())
        m_answers[0]->setFocus(Qt::OtherFocusReason);
}

void ExamPage::abandon()
{
    m_clockTimer->stop();
    m_exam.reset();
}

void ExamPage::renderListItem(int index)
{
    const ExamQuestion &q = m_exam->questions()[std::size_t(index)];
    QString state = q.chosen ? QStringLiteral("answered") : QString();
    if (q.flagged)
        state += state.isEmpty() ? QStringLiteral("flagged") : QStringLiteral(", flagged");
    QListWidgetItem *item = m_questionList->item(index);
    item->setText(QStringLiteral("%1  %2").arg(index + 1).arg(state));
    item->setData(Qt::AccessibleTextRole, QStringLiteral("Question %1").arg(index + 1) +
                                              (state.isEmpty() ? QStringLiteral(", not answered")
                                                               : QStringLiteral(", ") + state));
    item->setBackground(q.flagged ? QBrush(FlaggedFill) : QBrush());
}

void ExamPage::render()
{
    if (!m_exam)
        return;
    const Exam &e = *m_exam;
    const ExamQuestion &q = e.current();
    const bool open = !e.finished();
    m_counterLabel->setText(e.counterText());
    ScreenReader::setName(m_counterLabel, e.counterText());
    m_timeLabel->setText(e.timeLeftText(now()));
    const BankEntry &entry = m_bank.entries[q.entry];
    const QString subject = DisplayText::lines(m_bank.subject(q.entry).left(2000));
    const QString question =
        entry.wording.isEmpty() ? subject : entry.wording + QStringLiteral("\n\n") + subject;
    m_questionLabel->setText(question);
    ScreenReader::setName(m_questionLabel, question);
    for (int k = 0; k < 6; ++k) {
        AnswerButton *b = m_answers[std::size_t(q.answerButtons[std::size_t(k)] - 1)];
        b->setCaption(m_bank.answer(q.entry, k).left(2000));
    }
    for (AnswerButton *b : m_answers) {
        const bool chosen = b->number() == q.chosen;
        b->setChecked(chosen);
        b->setEnabled(open);
        b->setBackground(chosen ? ChosenFill : palette().color(QPalette::Button));
        if (chosen)
            b->setAccessibleName(b->accessibleName() + QStringLiteral(" (chosen)"));
    }
    m_previousButton->setEnabled(open && e.currentIndex() > 0);
    m_nextButton->setEnabled(open && e.currentIndex() + 1 < e.count());
    m_flagButton->setText(q.flagged ? QStringLiteral("Unfla&g") : QStringLiteral("Fla&g"));
    m_flagButton->setEnabled(open);
    m_finishButton->setEnabled(open);
    renderListItem(e.currentIndex());
    const QSignalBlocker quiet(m_questionList);
    m_questionList->setCurrentRow(e.currentIndex());
}

void ExamPage::choose(int k)
{
    if (!running())
        return;
    m_exam->choose(k);
    render();
}

void ExamPage::press(int k)
{
    AnswerButton *b = m_answers[std::size_t(k - 1)];
    if (b->isEnabled() && b->isVisible())
        b->click();
}

void ExamPage::goTo(int index)
{
    if (!running())
        return;
    m_exam->goTo(index, now());
    render();
    // The focus stays where the keys were: on a button that is now
    // disabled it moves to the first answer.
    if (QWidget *f = focusWidget(); f && !f->isEnabled())
        m_answers[0]->setFocus(Qt::OtherFocusReason);
}

void ExamPage::clockTicked()
{
    if (!m_exam)
        return;
    if (m_exam->checkTime(now())) {
        finishNow();
        return;
    }
    m_timeLabel->setText(m_exam->timeLeftText(now()));
}

void ExamPage::requestFinish()
{
    if (!running())
        return;
    const int open = m_exam->count() - m_exam->answeredCount();
    if (open > 0 &&
        m_boxes.show(this,
                     QStringLiteral("%1 of the %2 questions %3 not answered yet.\rFinish the exam "
                                    "anyway? Unanswered questions count as wrong.")
                         .arg(open)
                         .arg(m_exam->count())
                         .arg(open == 1 ? QStringLiteral("is") : QStringLiteral("are")),
                     QStringLiteral("Finish Exam"), MessageBoxes::Buttons::YesNoSafe,
                     MessageBoxes::Icon::NoIcon) != MessageBoxes::Answer::Yes)
        return;
    m_exam->finish(now());
    finishNow();
}

void ExamPage::finishNow()
{
    m_clockTimer->stop();
    render();
    emit finished();
}

void ExamPage::keyPressEvent(QKeyEvent *event)
{
    const int k = AnswerKeys::answerForKey(event->key(), event->nativeScanCode());
    if (k == 0 ||
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    press(k);
    event->accept();
}

bool ExamPage::eventFilter(QObject *watched, QEvent *event)
{
    // The list would take a digit as the start of an item's text.
    if (watched == m_questionList && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (AnswerKeys::answerForKey(key->key(), key->nativeScanCode()) != 0 &&
            !key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier |
                                           Qt::MetaModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
