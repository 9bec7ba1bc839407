#pragma once

#include "core/exam/Exam.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class AnswerButton;
class MessageBoxes;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
struct QuestionBank;

// A practice exam on screen, in place of the quiz: the list of questions
// (answered, flagged) that jumps to any of them, the counter and the time
// left, one question with its six answers, Previous, Next, Flag and Finish.
// A chosen answer shows a neutral mark, never right or wrong.
class ExamPage : public QWidget {
    Q_OBJECT
  public:
    ExamPage(const QuestionBank &bank, MessageBoxes &boxes, QWidget *parent);

    void begin(Exam exam);
    [[nodiscard]] bool running() const { return m_exam && !m_exam->finished(); }
    [[nodiscard]] const Exam *exam() const { return m_exam ? &*m_exam : nullptr; }
    // Ends the exam without a result.
    void abandon();

    // Milliseconds since the exam began; a test may put its own clock in.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // The clock's tick: the time left, and the end when it is up.
    void clockTicked();
    // Chooses answer button k (1..6) as a click would.
    void press(int k);
    // Finishes, asking first when questions are unanswered.
    void requestFinish();

  signals:
    // The exam has finished, by the Finish button or the time running out.
    void finished();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    qint64 now() const { return m_clock(); }
    void choose(int k);
    void goTo(int index);
    void finishNow();
    void render();
    void renderListItem(int index);

    const QuestionBank &m_bank;
    MessageBoxes &m_boxes;
    std::optional<Exam> m_exam;
    QElapsedTimer m_started;
    std::function<qint64()> m_clock;
    QTimer *m_clockTimer = nullptr;

    QListWidget *m_questionList = nullptr;
    QLabel *m_counterLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_questionLabel = nullptr;
    std::array<AnswerButton *, 6> m_answers{};
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_flagButton = nullptr;
    QPushButton *m_finishButton = nullptr;
};
