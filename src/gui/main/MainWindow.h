#pragma once

#include "AppServices.h"
#include "core/common/Error.h"
#include "core/quiz/BankFolders.h"
#include "core/quiz/QuestionBank.h"
#include "core/quiz/QuizEffects.h"
#include "core/session/QuizSession.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class AnswerPanel;
class BankMenu;
class ExamRunner;
class LearningMenu;
class QAction;
class QTimer;
class QtFileDialogs;
class QuestionPanel;
class StandardCounters;
class StartupTrace;
class TimedStatus;

// The main window: the question on the left, the six answers on the right,
// the File, Learning and Help menus. Its parts render the quiz session's
// view; the window forwards the user's events to the session, which holds
// the rules.
class MainWindow : public QMainWindow, private QuizEffects {
    Q_OBJECT
  public:
    MainWindow(QString appFolder, AppServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Loads the bank and puts up the first question. A failure has been
    // reported to the user, and the program ended, by the time it returns.
    [[nodiscard]] Result<> start();

    // The bank folder to start on, from the command line; by default the
    // one opened last, or the program folder's.
    void setRequestedBank(const QString &folder) { m_requestedBank = folder; }

    // The folder of the bank open now.
    const QString &bankFolder() const { return m_bankFolder; }

    // Stages of the start-up for the start-up benchmark; none by default.
    void setStartupTrace(StartupTrace *trace) { m_trace = trace; }

    // Once the start-up picture has been shown in this run, the next
    // start-up leaves it out.
    void setSplashShown(bool shown) { m_splashShown = shown; }

    // The quiz variables, for reading; the session alone changes them.
    const QuizState &state() const { return m_session->state(); }

    // Tells the user of a failure the program cannot go on from, and ends it.
    void reportError(const Error &error);

    // Shows a modal window with the countdown of a running game standing
    // still, and lets it go on from the same time afterwards.
    void showPausingCountdown(const std::function<void()> &showModal);

    // The high-score table, shown modally with the score a game just ended
    // with (if any); a test may put its own in.
    using HighScoresShower = std::function<void(std::optional<int> newScore)>;
    void setHighScoresShower(HighScoresShower show) { m_showHighScores = std::move(show); }

    // The countdown's tick; a test calls it instead of waiting 1.3 s.
    void countdownTicked();

  signals:
    // A warning a screen reader reads out even though the focus is
    // elsewhere: a wrong answer, the last seconds of the countdown.
    void alerted(QWidget *control);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void buildMenus();
    [[nodiscard]] Result<> loadBankAndFirstQuestion();
    void render();
    void applyFocus();

    // The user's events, forwarded to the session.
    void chooseAnswer(int k);
    void revealAnswer();
    void nextQuestion();
    void chooseQuizType(QuizType type);
    void startOrStopGame();
    void startReview(const std::vector<DueItem> &due);
    void startExam();
    // Asks before a running exam gives way to another quiz; true when none runs now.
    bool leaveExam();
    void showHighScores();
    void showAbout();
    void checkForUpdate();
    void requestExit();
    // Opens the bank of folder in place of the open one; a bank that cannot
    // be opened is reported and the open one stays.
    bool openBank(const QString &folder);
    void useBankFolder(const QString &folder);

    QString appFile(const QString &name) const;
    bool askExit();
    void finishRecord();
    void endProgram(int status);
    void showHighScoreTable(std::optional<int> newScore);

    // QuizEffects
    void playCue(const QString &waveName) override;
    void setCountdownRunning(bool running) override;
    void showMessage(const QString &text, const QString &title) override;
    void offerHighScore(int score) override;

    QString m_appFolder;
    AppServices m_services;
    StartupTrace *m_trace = nullptr;
    bool m_splashShown = false;
    std::unique_ptr<QuestionBank> m_bank;
    std::unique_ptr<QuizSession> m_session;
    QString m_requestedBank;
    QString m_bankFolder;

    QuestionPanel *m_questionPanel = nullptr;
    StandardCounters *m_standardCounters = nullptr;
    TimedStatus *m_timedStatus = nullptr;
    AnswerPanel *m_answerPanel = nullptr;
    QAction *m_standardAction = nullptr;
    QAction *m_timedAction = nullptr;
    QAction *m_examAction = nullptr;
    // The practice exam, shown in place of the quiz while it runs.
    ExamRunner *m_exam = nullptr;
    LearningMenu *m_learningMenu = nullptr;
    // The countdown of the timed game.
    QTimer *m_countdown = nullptr;
    BankFolders m_bankFolders;
    BankMenu *m_bankMenu = nullptr;
    std::unique_ptr<QtFileDialogs> m_ownFiles;

    HighScoresShower m_showHighScores;
    bool m_highScoresOpen = false;
    // The score of a game that ended while the table was open from the
    // menu, offered once that table has closed.
    std::optional<int> m_pendingScore;
};
