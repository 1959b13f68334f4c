#pragma once

#include <QMainWindow>
#include <QString>

struct ProgramState;
class ScreenFlow;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The name selection: the first window and main menu. Lists the students of the roster
// with their grade and figures, and signs one in.
class NameSelection : public QMainWindow {
    Q_OBJECT
  public:
    NameSelection(ProgramState& state, ScreenFlow& flow);
    ~NameSelection() override;

    // Window load: refuses a second copy of the program, then shows the window and fills
    // the list. False when the window must not stay (second copy, or the program ends).
    bool load();

    // Rebuilds the statistics and redraws the name list.
    void refreshNameList();
    // Gives "生徒用名簿temp.txt" the roster's name when the roster is missing.
    void recoverRosterFile();
    // What runs each time the flow brings the window to the front.
    void activate();

    int displayMode() const { return displayMode_; }

    // The key that marks this program as running: its folder.
    static QString instanceKey();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ProgramState& state_;
    ScreenFlow& flow_;
    // The controls and their places (name_selection_layout_gui.cpp).
    void buildControls();
    void colourBackground();
    static QString prompt();
    void connectControls();
    void buildMenus();
    void onListClick(int row);
    void onListDoubleClick(int row);
    void onGroupChosen();
    void onDisplayMode(int mode);
    void signIn();
    void endToLauncher();
    void changeNames();
    void showHelpPage(const char* page);
    void openHomePage();

    int displayMode_ = 1;

    QWidget* central_ = nullptr;
    QListWidget* names_ = nullptr;
    QListWidget* sortKeys_ = nullptr;
    QListWidget* rowTexts_ = nullptr;
    QListWidget* spareList_ = nullptr;
    QLabel* chosenName_ = nullptr;
    QLabel* chosenNumber_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* helpHeading_ = nullptr;
    QLabel* help1Note_ = nullptr;
    QLabel* help2Note_ = nullptr;
    QLabel* waitText_ = nullptr;
    QLabel* picture_ = nullptr;
    class PendingRunsLine* pendingLine_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* endButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* help1Button_ = nullptr;
    QPushButton* nameChangeButton_ = nullptr;
    QPushButton* help2Button_ = nullptr;
    QComboBox* gradeGroup_ = nullptr;
    QFrame* waitPanel_ = nullptr;
    QFrame* modePanel_ = nullptr;
    QRadioButton* modeOptions_[4] = {};
};
