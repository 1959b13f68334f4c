#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "records/rankings.h"
#include "records/run_lists.h"

struct ProgramState;
class ScreenFlow;
class LevelColumns;
class QComboBox;
class QFrame;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

// What the record lists keep between visits of the home screen, for the program's run.
struct RecordListChoices {
    int displayKind = 0;  // 1 times, 2 points; 0 until the first list
};

// The record-list area of the home screen: the kind of list (times, points, one student's
// times), which list (best, today, all), the grade group, the chart button, and the wait
// panel shown over the level columns' record lists while a list is built.
class RecordListArea : public QObject {
    Q_OBJECT
  public:
    // Builds the wait panel; the choices follow with buildChoices(), after the explanation
    // panel, so that the screen's controls keep their stacking and focus order.
    RecordListArea(QWidget* screen, ProgramState& state, ScreenFlow& flow, LevelColumns* columns);
    void buildChoices();

    // Step 3 of the screen's activation: the list choices get their ranking captions.
    void captionRankingChoices();
    // Step 6: the first list choice is selected and its list built for the current kind
    // (best times, or all-time points).
    void chooseDefaultLists();
    // While the screen becomes active a change of the list kind only hides the lists.
    void setActivating(bool activating) { activating_ = activating; }
    // Keeps the display kind in `kept`, shared with the screens before and after this one,
    // instead of in this area alone.
    void keepChoicesIn(std::shared_ptr<RecordListChoices> kept) {
        if (kept) kept_ = std::move(kept);
    }
    // Hides the chart button and the level lists and shows the wait panel.
    void hideListsForRecordDisplay();
    void hideWaitPanel();
    void raiseWaitPanel();

    QPushButton* chartButton() const { return chartButton_; }
    // What the chart cards rank by: the points order of the last points list (all-time
    // until a list by today's points is chosen) and the grade group chosen in Combo1.
    records::PointsOrder pointsOrder() const {
        return pointsOrder_ == 2 ? records::PointsOrder::Today : records::PointsOrder::AllTime;
    }
    QString gradeGroup() const;
    // The menu button of the screen, disabled while a list is built.
    void setBackButton(QPushButton* back) { backButton_ = back; }
    void setChartPanel(QFrame* chartPanel) { chartPanel_ = chartPanel; }
    // The screen's busy progress bar (ProgressBar1), moved by the points rankings.
    void setBusyProgress(QProgressBar* progress) { busyProgress_ = progress; }
    // Run before the own-runs list (the chart panel's preparation) and after a list is
    // built (the screen's level locks).
    void setOwnRunsPreparation(std::function<void()> prepare) { prepareOwnRuns_ = prepare; }
    void setAfterListBuilt(std::function<void()> after) { afterListBuilt_ = after; }

    // The list handlers (also run by the option buttons): the kind (0 times, 1 points,
    // 2 own runs), the list choice 1..3, one level's ranking, and the run lists.
    void chooseKind(int kind);
    void chooseList(int choice);
    void showRankingOf(int level);
    void showBestTimes();
    void showToday();
    void showAllRuns();
    void showOwnRuns();

  private:
    // A list build: refused while another runs; the guard clears the flag on every exit.
    bool startBuild();
    void endBuild() { building_ = false; }
    // Part of a build; false when the screen went away or the program is ending.
    bool beginChoice();
    void finishChoice();
    bool buildRanking(int level);
    bool buildBestTimes();
    bool buildRunList(records::RunList list);
    bool buildPointsRankings(records::PointsOrder order, const QString& heading);
    bool buildOwnRuns();
    void paintWaitPanel();
    void rerunCurrent();
    void checkQuietly(QRadioButton* option);
    void scrollToSignedInStudent();

    std::shared_ptr<RecordListChoices> kept_ = std::make_shared<RecordListChoices>();
    int pointsOrder_ = 0;  // 1 all-time, 2 today; 0 until the points kind is used
    bool activating_ = false;
    bool building_ = false;
    std::vector<int> studentRow_;  // per level, the signed-in student's row of the ranking
    std::function<void()> prepareOwnRuns_;
    std::function<void()> afterListBuilt_;

    QWidget* screen_;
    ProgramState& state_;
    ScreenFlow& flow_;
    LevelColumns* columns_;
    QPushButton* backButton_ = nullptr;
    QFrame* chartPanel_ = nullptr;

    QFrame* choicePanel_ = nullptr;          // Picture1
    QRadioButton* listKind_[3] = {};         // Option2(0..2)
    QRadioButton* listChoice_[4] = {};       // Option1(1..3)
    QComboBox* gradeGroup_ = nullptr;        // Combo1
    QComboBox* studentChoice_ = nullptr;     // Combo2
    QPushButton* chartButton_ = nullptr;     // Command17
    QPushButton* todayButton_ = nullptr;     // Command5
    QPushButton* bestButton_ = nullptr;      // Command6
    QPushButton* allButton_ = nullptr;       // Command7
    QPushButton* personalButton_ = nullptr;  // Command16
    QFrame* waitPanel_ = nullptr;            // Picture6
    QProgressBar* waitProgress_ = nullptr;   // ProgressBar2
    QProgressBar* busyProgress_ = nullptr;   // ProgressBar1
    QPushButton* printButton_ = nullptr;     // Command20, does nothing
    QPushButton* showOneButton_ = nullptr;   // Command26, does nothing
};
