#pragma once

#include "AppServices.h"
#include "core/quiz/QuestionBank.h"
#include "core/quiz/QuizEffects.h"
#include "core/session/QuizSession.h"
#include "gui/about/SplashScreen.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class AnswerButton;
class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class StartupTrace;

// The main window: the quiz on the left, the six answers on the right, the
// File and Help menus. It renders the quiz session's view and forwards the
// user's events to it; the rules themselves live in the session.
class Main : public QMainWindow, private QuizEffects {
    Q_OBJECT
  public:
    Main(QString appPath, AppServices services, QWidget *parent = nullptr);
    ~Main() override;

    // The start-up: loads the bank and puts up the first question. Returns
    // false when a failure was reported (the program has then been ended).
    bool Form_Load();

    // Stages of the start-up for the start-up benchmark; none by default.
    void setStartupTrace(StartupTrace *trace) { m_trace = trace; }

    // 1 once the start-up picture has been shown in this run: the next
    // start-up leaves it out.
    void setSplashShown(std::int16_t shown) { SplashShown = shown; }

    // The quiz variables, for reading; the session alone changes them.
    const QuizState &state() const { return m_session->state(); }

    void ReportError(int ErrNumber, const QString &description);
    void PlayCue(const QString &WaveName);
    void Endit();

    // Shows a modal window with the countdown of a running game standing
    // still, and lets it go on from the same time afterwards.
    void showPausingCountdown(const std::function<void()> &showModal);

    // The high-score window, shown modally; a test may put its own in.
    void setHighScoreWindow(std::function<void()> show) { m_showHighScores = std::move(show); }

    // Event handlers. The controls call them; a test may too (the
    // countdown's tick, instead of waiting 1.3 s for it).
    void Btn_Answer1_Click() { answer(1); }
    void Btn_Answer2_Click() { answer(2); }
    void Btn_Answer3_Click() { answer(3); }
    void Btn_Answer4_Click() { answer(4); }
    void Btn_Answer5_Click() { answer(5); }
    void Btn_Answer6_Click() { answer(6); }
    void btn_showcorrect_Click();
    void btn_next_Click();
    void Menu_Standard_Click();
    void Menu_Timed_Click();
    void Btn_StartStop_Click();
    void Timer_Timer();
    void Mnu_Exit_Click() { Endit(); }
    void Mnu_About_Click();
    void Mnu_CU_Click();
    void mnuHisgScore_Click();
    void Menu_Review_Click();
    void Mnu_Progress_Click();

  signals:
    // A warning a screen reader reads out even though the focus is
    // elsewhere: a wrong answer, the last seconds of the countdown.
    void alerted(QWidget *control);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    // Main_Layout.cpp
    void buildWidgets();
    void buildMenus();
    void buildLearningMenu();

    // Main_Learning.cpp
    // Whether the record can be used; tells the user why not otherwise.
    bool recordAvailable();
    // Tells the user what the record reported, once the window is shown.
    void showRecordNotice();

    // Main_Render.cpp
    void render();
    void applyFocus();
    // Keeps what a screen reader says of a control in step with what it
    // shows.
    void speak(QWidget *control, const QString &name, bool alert = false);

    void answer(int k);
    void finishRecord();
    QString appFile(const QString &name) const;
    bool askExit();

    // QuizEffects (Main_Windows.cpp)
    void playCue(const QString &waveName) override { PlayCue(waveName); }
    void setTimerOn(bool on) override;
    void showMessage(const QString &text, const QString &title) override;
    void showHighScores() override;

    // Window-level values.
    QString AppPath;
    QString AFile;
    QString ADFile;
    Wordings wordingTable;
    std::int16_t SplashShown = 0;
    bool TimerWasOn = false;

    // The controls, by their names (also their object names).
    std::array<AnswerButton *, 6> Btn_Answer{};
    QLabel *Label1 = nullptr;
    QLabel *Lbl_Question = nullptr;
    QPushButton *btn_showcorrect = nullptr;
    QPushButton *Btn_StartStop = nullptr;
    QPushButton *btn_next = nullptr;
    QGroupBox *Frame_Standard = nullptr;
    QLabel *Lbl_Correct = nullptr;
    QLabel *Lbl_Wrong = nullptr;
    QLabel *Lbl_Total = nullptr;
    QGroupBox *Frame_Timed = nullptr;
    QLabel *Lbl_CorrectT = nullptr;
    QLabel *Lbl_WrongT = nullptr;
    QLabel *Lbl_TotalT = nullptr;
    QLabel *Lbl_Score = nullptr;
    QLabel *Lbl_Level = nullptr;
    QLabel *Lbl_TimeRemain = nullptr;
    QGroupBox *Frame1 = nullptr;
    QAction *Menu_Standard = nullptr;
    QAction *Menu_Timed = nullptr;
    QAction *mnuHisgScore = nullptr;
    QAction *Mnu_Exit = nullptr;
    QAction *Mnu_About = nullptr;
    QAction *Mnu_CU = nullptr;
    QAction *Menu_Review = nullptr;
    QAction *Mnu_Progress = nullptr;
    // The countdown of the timed game.
    QTimer *Timer = nullptr;

    AppServices m_services;
    StartupTrace *m_trace = nullptr;
    std::unique_ptr<QuestionBank> m_bank;
    std::unique_ptr<QuizSession> m_session;
    std::function<void()> m_showHighScores;
    bool m_highScoresOpen = false;
    MainView::TextColour m_spokenTimeColour = MainView::TextColour::Navy;
    bool m_offerPending = false;
    bool m_noticePending = false;
    // The start-up picture while it is open; it deletes itself.
    QPointer<SplashScreen> m_splash;
};
