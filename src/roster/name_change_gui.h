#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "roster/name_change.h"

class QLabel;
class ScreenFlow;
class QLineEdit;
class QPushButton;

// The home-use name change window: one row per active roster line (up to the home-use
// limit), each with a birth year and a name. "変更" rewrites the roster; "もどる" and closing the
// window go back to the name selection.
class NameChangeWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NameChangeWindow(ScreenFlow& flow);

    // Reads the roster and fills the rows; a roster that cannot be read raises a
    // run-time error.
    void load();
    // "変更": writes the roster with the rows' names and birth years and says so in the
    // window, or shows which rows cannot be stored and why, or which rows' lines another
    // program changed since the window was filled (nothing is written then).
    void writeNames();
    // "もどる".
    void goBack();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildRows(int count);
    void showLines(const std::vector<RosterLine>& lines);

    ScreenFlow& flow_;
    std::optional<NameChangeSheet> sheet_;    // the roster as the rows were filled
    QLabel* birthYearHeading_ = nullptr;      // Label1
    QLabel* nameHeading_ = nullptr;           // Label2
    QLabel* earlyBirthNote_ = nullptr;        // Label3
    QLabel* title_ = nullptr;                 // Label4
    QLabel* emptyHint_ = nullptr;             // shown instead of rows when the roster has no line
    QLabel* savedNote_ = nullptr;             // when the last "変更" wrote the roster
    std::vector<QLineEdit*> birthYearBoxes_;  // Text2 (1), (2), ...
    std::vector<QLineEdit*> nameBoxes_;       // Text1 (1), (2), ...
    QPushButton* changeButton_ = nullptr;     // Command1
    QPushButton* backButton_ = nullptr;       // Command2
};
