#pragma once

#include <QObject>

class LevelColumns;
class QComboBox;
class QFrame;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

// The record-list area of the home screen: the kind of list (times, points, one student's
// times), which list (best, today, all), the grade group, the chart button, and the wait
// panel shown over the level columns' record lists while a list is built.
class RecordListArea : public QObject {
    Q_OBJECT
  public:
    // Builds the wait panel; the choices follow with buildChoices(), after the explanation
    // panel, so that the screen's controls keep their stacking and focus order.
    RecordListArea(QWidget* screen, LevelColumns* columns);
    void buildChoices();

    // Step 3 of the screen's activation: the list choices get their ranking captions.
    void captionRankingChoices();
    // Step 6: the accumulated ranking is chosen, the lists hide behind the wait panel.
    void chooseDefaultLists();
    // Hides the chart button and the level lists and shows the wait panel.
    void hideListsForRecordDisplay();
    void hideWaitPanel();
    void raiseWaitPanel();

    QPushButton* chartButton() const { return chartButton_; }
    // The menu button of the screen, disabled while a list is built.
    void setBackButton(QPushButton* back) { backButton_ = back; }
    void setChartPanel(QFrame* chartPanel) { chartPanel_ = chartPanel; }

  private:
    QWidget* screen_;
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
};
