#pragma once

#include <QWidget>
#include <memory>

class ChartPanel;
class ExplanationPanel;
class LevelColumns;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class RecordListArea;
struct ProgramState;
class ScreenFlow;
struct RecordListChoices;

// The student's home screen: a heading with the student and the day's totals, one column
// per level of the course (LevelColumns), the record lists below (RecordListArea), the
// explanation at the right (ExplanationPanel) and the charts (ChartPanel).
class HomeScreen : public QWidget {
    Q_OBJECT
  public:
    HomeScreen(ProgramState& state, ScreenFlow& flow);
    ~HomeScreen() override;

    // What runs each time the flow brings the screen to the front.
    void activate();

    // The record lists' display kind is kept in `kept` (shared with the home screens
    // before and after this one); set before the screen becomes active.
    void keepListChoicesIn(std::shared_ptr<RecordListChoices> kept);

    // Refills the chart panel's student list from the roster.
    void fillStudentList();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildHeading();
    void buildBusyPanel();
    void showBusyPanel();
    void applyLevelLocks();
    bool mayStart(int level) const;
    void startFromButton(int level);
    void startFromLabel(int level);
    void backToNameSelection();

    ProgramState& state_;
    ScreenFlow& flow_;
    bool activating_ = false;
    bool starting_ = false;
    bool closeAsked_ = false;  // closed by the user before "戻る" was there

    LevelColumns* columns_ = nullptr;
    RecordListArea* recordLists_ = nullptr;
    ExplanationPanel* explanation_ = nullptr;
    ChartPanel* charts_ = nullptr;

    QLabel* title_ = nullptr;               // Label11
    QLabel* student_ = nullptr;             // Label12
    QLabel* classroom_ = nullptr;           // Label13
    QLabel* signedInFor_ = nullptr;         // Label17
    QLabel* todayTotal_ = nullptr;          // Label18
    QPushButton* back_ = nullptr;           // Command1
    QFrame* busyPanel_ = nullptr;           // Picture2
    QProgressBar* busyProgress_ = nullptr;  // ProgressBar1
};
