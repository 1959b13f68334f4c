#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "drill/drill_run.h"
#include "drill/problem.h"

class QLabel;
class QTimer;

// The drill screen: ten cards to press in ascending order, five problems against the
// clock, the status strip with the time bar and the countdown squares.
//
// Geometry: the screen is 15360 x 11520 twips. The status strip sPicture1 takes the top
// kStripHeight twips; the card area Picture2 lies below it. The cards and the texts of
// the card area are children of Picture2, but their positions are given on the screen
// (the card table's tops 1575 and 5400 are screen positions): each is placed at its
// screen rectangle moved by Picture2's top-left corner, so that on screen it sits
// exactly where the table puts it at any scale.
class DrillScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStripHeight = 1455;
    static constexpr int kFrameWidth = 4200;  // time bar frame sShape5, twips
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

    DrillScreen();
    ~DrillScreen() override;

    // The open drill screen, if any.
    static DrillScreen* current();

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
    // Generates and shows a problem (the hidden button Command1).
    void Command1Click();
    // A press on the picture or the number of card i (1..10).
    void pressCard(int i);
    // The drill clock (every second) and the sign-in clock (every ten seconds).
    void sTimer1Tick();
    void sTimer2Tick();
    // The end of the run: recording notice, recordResult, the wait, the result screen.
    void endDrill();
    // Busy wait on the tick counter in 10 ms steps, then the result screen.
    void waitThenShowResult(double seconds);

    drill::DrillRun& run() { return run_; }
    const drill::Problem& problem() const { return problem_; }
    const drill::PictureConfig& pictureConfig() const { return pictureConfig_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildStrip();
    void buildCardArea();
    void buildOverlay();
    QLabel* stripLabel(const QString& name, const QString& text, int left, int top, int width,
                       int height, double points, bool bold = true);
    void placeOnScreen(QWidget* w, int left, int top, int width, int height);
    void setBarWidth(QWidget* bar, double widthTwips);
    QPixmap picture(const QString& name);
    void handlePress(int i);
    int minutesSinceSignIn() const;

    drill::DrillRun run_;
    drill::PictureConfig pictureConfig_;
    drill::Problem problem_;
    bool activationQueued_ = false;
    bool started_ = false;

    QPixmap cardPixmap_;
    QPixmap donePixmap_;
    QHash<QString, QPixmap> pictureCache_;  // scaled to the image boxes, by file name

    QWidget* sPicture1 = nullptr;
    QWidget* Picture2 = nullptr;
    QWidget* sPicture2 = nullptr;
    std::array<QWidget*, 11> Picture1{};
    std::array<QLabel*, 11> Image1{};
    std::array<QLabel*, 11> Label1{};
    std::array<QLabel*, 2> Image2{};
    std::array<QWidget*, 40> sPicture3{};  // 10..39
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* sLabel2 = nullptr;
    QLabel* sLabel7 = nullptr;
    QLabel* sLabel8 = nullptr;
    QLabel* sLabel9 = nullptr;
    QLabel* sLabel10 = nullptr;
    QLabel* sLabel11 = nullptr;
    QLabel* sLabel12 = nullptr;
    QLabel* sLabel13 = nullptr;
    QLabel* sLabel14 = nullptr;
    QWidget* sShape2 = nullptr;
    QWidget* sShape3 = nullptr;
    QWidget* sShape4 = nullptr;
    QWidget* sShape5 = nullptr;
    QWidget* sShape7 = nullptr;
    QLabel* lblsss1 = nullptr;
    QLabel* lblsss2 = nullptr;
    QTimer* sTimer1 = nullptr;
    QTimer* sTimer2 = nullptr;
    QWidget* Command1 = nullptr;
};

// Clears the run, lets pending events run, then creates and shows the drill screen
// (one at a time: an open one is closed first).
void startDrill();

// Installs screens::hooks().showDrillScreen / closeDrillScreen.
void installDrillScreenHooks();
