#pragma once

#include <QWidget>

#include "results/run_recording.h"

struct ProgramState;
class ScreenFlow;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The end-of-drill screen: the time, the points, new records and cleared levels of the run
// just recorded, with their sounds; then the way back to the menu or the same level again.
class EndScreen : public QWidget {
    Q_OBJECT
  public:
    EndScreen(ProgramState& state, ScreenFlow& flow, const RunOutcome& outcome);
    ~EndScreen() override;

    // The judgement of the run, once per show (the screen runs it when it comes up).
    void evaluate();
    // Half a second after the evaluation: the buttons and the next-level hint.
    void secondPhase();

    // "メニューへ": back to the home screen.
    void backToMenu();
    // "もう一度": the same level again.
    void retry();

    bool evaluated() const { return evaluated_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ProgramState& state_;
    ScreenFlow& flow_;
    void buildControls();

    RunOutcome outcome_;
    bool evaluated_ = false;
    bool closeAsked_ = false;  // closed by the user before "メニューへ" was there

    QWidget* background_ = nullptr;
    QLabel* levelAttempt_ = nullptr;
    QLabel* todayAttempts_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* levelName_ = nullptr;
    QLabel* studentName_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* points_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* levelClearedNote_ = nullptr;
    QFrame* goalPanel_ = nullptr;
    QLabel* goalText_ = nullptr;
    QPushButton* menuButton_ = nullptr;
    QPushButton* retryButton_ = nullptr;
    QTimer* secondPhaseTimer_ = nullptr;
};
