#pragma once

#include <QObject>
#include <functional>
#include <vector>

struct ProgramState;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class RecordListView;
class QWidget;
class ResultsTables;

// The level columns of the home screen: for each level of the course its name, start
// button, targets, the student's figures, the marker box and the level's record list, with
// the scroll bar that chooses the first column shown. Four columns are visible at a time.
class LevelColumns : public QObject {
    Q_OBJECT
  public:
    // How a start was asked for: the button (or its digit key), or a click on the name.
    enum class StartBy { Button, Name };
    using StartRequest = std::function<void(int level, StartBy by)>;

    LevelColumns(QWidget* screen, ProgramState& state, int levelCount, StartRequest onStart);

    int levelCount() const { return levelCount_; }

    // Moves every column so that the level in the scroll bar is the first one shown.
    void layout();
    // Scrolls to the remembered first column (at least 1) and lays the columns out.
    void scrollToRemembered();
    // Opens or locks each level's start button and marker; returns whether the goal level
    // is cleared.
    bool applyLocks(const ResultsTables& stats);
    // The student's figures of every level.
    void showFigures(const ResultsTables& stats, int student);
    // Shows the record lists of the levels that are not practice levels ("練").
    void showRecordListsOfTimedLevels();
    void hideRecordLists();
    // Whether the level's name marks a practice level ("練").
    bool isPracticeColumn(int level) const;
    // Hides the level's record list with its targets, figures and their headings.
    void hideColumnFigures(int level);
    // Label5, the heading of the record lists.
    void setListHeading(const QString& text);
    // Resets the headings of the figure labels and empties every level's record list.
    void clearRecordLists();
    // Leaves no entry of the record lists selected (all levels, or one level).
    void clearSelections();
    void clearSelection(int level);

    bool startEnabled(int level) const;
    QPushButton* startButton(int level) const;
    RecordListView* recordList(int level) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Column {
        QLabel* levelName = nullptr;
        QPushButton* startButton = nullptr;
        QLabel* targets = nullptr;
        QLabel* clearWindow = nullptr;
        QLabel* todayHeading = nullptr;
        QLabel* todayFigures = nullptr;
        QLabel* allTimeHeading = nullptr;
        QLabel* allTimeFigures = nullptr;
        QLineEdit* marker = nullptr;
        QLabel* markerCaption = nullptr;
        RecordListView* records = nullptr;
        QPushButton* rankingButton = nullptr;  // builds the level's ranking; never shown
    };

    void buildColumn(int level);
    void fillTargets(int level);

    QWidget* screen_;
    ProgramState& state_;
    int levelCount_;
    StartRequest onStart_;
    std::vector<Column> columns_;             // index = level (0 unused)
    QListWidget* layoutReference_ = nullptr;  // List5(0): left edge and width of a column
    QScrollBar* firstColumnBar_ = nullptr;
    QLabel* listHeading_ = nullptr;  // Label5
};
