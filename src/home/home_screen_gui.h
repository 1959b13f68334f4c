#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWindow;

// The student's home screen: one column per level of the course with its start button,
// targets and the student's figures, the level locks, and the record lists below.
class HomeScreen : public QWidget {
    Q_OBJECT
  public:
    HomeScreen();
    ~HomeScreen() override;

    // What runs each time the screen comes to the front.
    void activate();

    // Resets the headings of the figure labels and empties every level's record list.
    void 回数など表示();
    // Leaves no entry of the record lists selected (all levels, or one level).
    void 成績リスト色表示();
    void 成績リスト色表示単独(int level);

    // Moves every column so that the level in HScroll1 is the first one shown.
    void layoutColumns();
    // Opens or locks each level's start button; sets goalCleared.
    void applyLevelLocks();
    // Refills List2 with the active students of the roster ("小１ /  山田花子/12").
    void fillStudentList();
    // Writes "ステップ原.dat" in the data folder: 5000 records of 8 zero bytes.
    void writeBlankStepFile();

    // The open home screen, if any.
    static HomeScreen* current();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Column {
        QPushButton* Command4 = nullptr;
        QPushButton* Command3 = nullptr;
        QLabel* Label3 = nullptr;
        QLabel* Label7 = nullptr;
        QLabel* Label8 = nullptr;
        QLabel* Label9 = nullptr;
        QLabel* Label10 = nullptr;
        QLabel* Label14 = nullptr;
        QLabel* Label15 = nullptr;
        QListWidget* List5 = nullptr;
        QLineEdit* Text1 = nullptr;
        QLabel* Label1 = nullptr;
    };

    void buildControls();
    void buildColumn(int level);
    void buildLowerPanel();
    void buildChartPanel();
    void fillColumnTargets(int level);
    void showWaitPanel();
    bool mayStart(int level) const;
    void startFromButton(int level);
    void startFromLabel(int level);
    void backToNameSelection();
    void openCharts();
    void hideListsForRecordDisplay();
    void focusWindowChanged(QWindow* window);

    int levelCount_ = 0;
    bool activating_ = false;
    bool starting_ = false;
    bool lostToOwnWindow_ = false;
    bool activatedOnce_ = false;
    int chartStudentNo_ = 0;
    int chartFontSize_ = 0;

    std::vector<Column> columns_;            // index = level (0 holds the layout reference only)
    QListWidget* List5Reference_ = nullptr;  // List5(0): left edge and width of a column
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label5 = nullptr;
    QListWidget* List6 = nullptr;
    QFrame* Picture10 = nullptr;
    QLabel* Label26 = nullptr;
    QFrame* Picture2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QFrame* Picture6 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QFrame* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command15 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command16 = nullptr;
    QPushButton* Command17 = nullptr;
    QRadioButton* Option1[4] = {};  // 1..3
    QRadioButton* Option2[3] = {};  // 0..2
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QFrame* Picture11 = nullptr;
    QFrame* Picture12 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QPushButton* Command18 = nullptr;
    QPushButton* Command21[2] = {};
    QPushButton* Command24[2] = {};
    QPushButton* Command25 = nullptr;
};

// The first level column shown; kept while the program runs, so that the screen opens
// again where the student left it (0 = none remembered yet).
int& homeFirstColumn();

// Registers the home screen with the screen hooks (show and close).
void installHomeScreenHooks();
