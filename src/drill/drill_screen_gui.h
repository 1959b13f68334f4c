#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "drill/drill_run.h"
#include "drill/problem.h"
#include "results/run_recording.h"

struct ProgramState;
class ScreenFlow;
class QLabel;
class QTimer;

// The drill screen: ten cards to press in ascending order, five problems against the
// clock, the status strip with the time bar and the countdown squares.
//
// Geometry: the screen is 15360 x 11520 twips. The status strip statusStrip_ takes the top
// kStripHeight twips; the card area cardArea_ lies below it. The cards and the texts of
// the card area are children of cardArea_, but their positions are given on the screen
// (the card table's tops 1575 and 5400 are screen positions): each is placed at its
// screen rectangle moved by cardArea_'s top-left corner, so that on screen it sits
// exactly where the table puts it at any scale.
class DrillScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStripHeight = 1455;
    static constexpr int kFrameWidth = 4200;  // time bar frame limitFrame_, twips
    // Card table: left positions of cards 1..10 and the tops of the two rows.
    static constexpr int kCardLeft[11] = {0,   360,  3333, 6306, 9279, 12255,
                                          405, 3378, 6351, 9324, 12300};
    static constexpr int kUpperTop = 1575;
    static constexpr int kLowerTop = 5400;
    static constexpr int kCardWidth = 2760;
    static constexpr int kCardHeight = 3210;
    static constexpr int kNumberTop = 2070;
    static constexpr int kNumberWidth = 2715;
    static constexpr int kNumberHeight = 1140;
    // Screen rectangle (twips) of card i.
    static QRect cardRectTwips(int i);

    DrillScreen(ProgramState& state, ScreenFlow& flow, int level);
    ~DrillScreen() override;

    // What runs when the screen has come up: "picture.txt", the screen and level
    // settings, the clock and the first problem.
    void activate();
    // Initial settings: closes the home screen and the please-wait window, prepares the
    // time bar and fills the status strip.
    void prepareScreen();
    // Per-level settings: five problems per drill.
    void applyLevelSettings();
    // Starts the clock.
    void startClock();
    // Generates and shows a problem (the hidden button nextProblemButton_).
    void Command1Click();
    // A press on the picture or the number of card i (1..10).
    void pressCard(int i);
    // The drill clock (every second) and the sign-in clock (every ten seconds).
    void drillClockTick();
    void signInClockTick();
    // The end of the run: recording notice, recordResult, the wait, the result screen.
    void endDrill();
    // The wait before the result screen, with the screen's input off; then that screen.
    void waitThenShowResult(double seconds);

    int level() const { return level_; }
    drill::DrillRun& run() { return run_; }
    const drill::Problem& problem() const { return problem_; }
    const drill::PictureConfig& pictureConfig() const { return pictureConfig_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ProgramState& state_;
    ScreenFlow& flow_;
    void buildStrip();
    void buildCardArea();
    void buildOverlay();
    QLabel* stripLabel(const QString& name, const QString& text, int left, int top, int width,
                       int height, double points, bool bold = true);
    void placeOnScreen(QWidget* w, int left, int top, int width, int height);
    void setBarWidth(QWidget* bar, double widthTwips);
    QPixmap picture(const QString& name);
    void handlePress(int i);
    // After the sound of the tenth card: the next problem, or the end of the run.
    void problemSolved();
    // Plays a sound of a section with the screen standing still, then `then`, then the
    // presses made meanwhile.
    void playThen(int section, std::function<void()> then);
    int minutesSinceSignIn() const;

    int level_;
    RunOutcome outcome_;
    drill::DrillRun run_;
    drill::PictureConfig pictureConfig_;
    drill::Problem problem_;
    bool activationQueued_ = false;
    bool started_ = false;
    bool soundPlaying_ = false;
    std::vector<int> heldPresses_;

    QPixmap cardPixmap_;
    QPixmap donePixmap_;
    QHash<QString, QPixmap> pictureCache_;  // scaled to the image boxes, by file name

    QWidget* statusStrip_ = nullptr;
    QWidget* cardArea_ = nullptr;
    QWidget* recordingNotice_ = nullptr;
    std::array<QWidget*, 11> cards_{};
    std::array<QLabel*, 11> cardPictures_{};
    std::array<QLabel*, 11> cardNumbers_{};
    std::array<QLabel*, 2> problemPictures_{};
    std::array<QWidget*, 40> countdownSquares_{};  // 10..39
    QLabel* instruction_ = nullptr;
    QLabel* levelExplanation_ = nullptr;
    QLabel* pictureHint_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* studentName_ = nullptr;
    QLabel* levelName_ = nullptr;
    QLabel* problemsLeft_ = nullptr;
    QLabel* elapsedSeconds_ = nullptr;
    QLabel* levelRunNumber_ = nullptr;
    QLabel* todayRunNumber_ = nullptr;
    QLabel* minutesSignedIn_ = nullptr;
    QLabel* classroom_ = nullptr;
    QWidget* elapsedBar_ = nullptr;
    QWidget* passBar_ = nullptr;
    QWidget* secondBar_ = nullptr;
    QWidget* limitFrame_ = nullptr;
    QWidget* bestMarker_ = nullptr;
    QLabel* recordingText_ = nullptr;
    QLabel* timeOutText_ = nullptr;
    QTimer* drillClock_ = nullptr;
    QTimer* signInClock_ = nullptr;
    QWidget* nextProblemButton_ = nullptr;
};
