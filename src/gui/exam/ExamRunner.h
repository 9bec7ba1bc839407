#pragma once

#include "core/exam/ExamResult.h"
#include "gui/main/AppServices.h"

#include <QObject>

#include <functional>
#include <vector>

class ExamPage;
class QStackedWidget;
struct QuestionBank;

// A practice exam from set-up to result: the set-up window (its choices
// remembered in the settings), the exam page in place of the quiz, the
// answers and the result into the learning record, and the result window.
class ExamRunner : public QObject {
    Q_OBJECT
  public:
    // The page goes into `screens`, beside the quiz screen it stands in for.
    ExamRunner(const QuestionBank &bank, AppServices services, QStackedWidget *screens);

    [[nodiscard]] bool running() const;
    // Asks for the set-up and starts the exam; false when it was cancelled.
    bool setUpAndStart();
    // Asks before giving up a running exam, No being the default; true
    // when no exam runs now.
    bool leave(const QString &question);

    // Shows the result modally; true to practise the missed questions. A
    // test may put its own in.
    using ResultShower = std::function<bool(const ExamResult &result)>;
    void setResultShower(ResultShower show) { m_showResult = std::move(show); }

  signals:
    // The exam is over and the quiz is back; `practise` holds the missed
    // questions when they are to be practised at once.
    void ended(const std::vector<QByteArray> &practise);

  private:
    void finish();
    void backToQuiz();

    const QuestionBank &m_bank;
    AppServices m_services;
    QStackedWidget *m_screens;
    ExamPage *m_page;
    ResultShower m_showResult;
};
