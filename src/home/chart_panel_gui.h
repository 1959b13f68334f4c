#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "records/chart_source.h"

struct ProgramState;
class ScreenFlow;
class ChartSurface;
class QFrame;
class QListWidget;
class QPushButton;
class QWidget;

// The chart panel of the home screen: the chart area, the level and student lists, and the
// show and print buttons for the chosen student and for every selected student.
class ChartPanel : public QObject {
    Q_OBJECT
  public:
    ChartPanel(QWidget* screen, ProgramState& state, ScreenFlow& flow);

    QFrame* panel() const { return panel_; }
    // Opens the panel for the signed-in student with the first three levels selected.
    void open();
    // The teacher's button that prints the charts of every selected student.
    void setTeacherPrintVisible(bool visible);
    // Where the cards take the grade group and the points order of the record lists from.
    void setChoiceSource(std::function<ChartChoice()> source) { choice_ = std::move(source); }
    // The student whose cards "表示" and "印刷" draw.
    int chartStudentNo() const { return chartStudentNo_; }
    // Refills the student list with the roster's students of status 0
    // ("小１ /  山田花子/12").
    void fillStudentList();
    // Before the signed-in student's own runs are listed: the student list refilled, the
    // level list "1".."levelCount", and the signed-in student as the chart's student.
    void prepareForOwnRuns(int levelCount);

  private:
    ProgramState& state_;
    ScreenFlow& flow_;
    // The cards of the selected levels for one student on screen (the last screenful stays)
    // or for the students on the printer, one job, each student from a new page.
    void showCards(int studentNo);
    void printCards(const std::vector<int>& students);
    // The students selected in the student list, in list order; the chart student when
    // none is selected (the last one becomes the chart student).
    std::vector<int> chosenStudents();
    std::vector<int> selectedLevels() const;
    ChartChoice choice() const;
    void showSelected(bool print);

    QFrame* panel_ = nullptr;               // Picture11
    ChartSurface* chartArea_ = nullptr;     // Picture12
    QListWidget* levels_ = nullptr;         // List3
    QListWidget* students_ = nullptr;       // List2
    QPushButton* back_ = nullptr;           // Command18
    QPushButton* showOwn_[2] = {};          // Command21: show, print
    QPushButton* showSelected_[2] = {};     // Command24: show, print
    QPushButton* otherStudents_ = nullptr;  // Command25
    int chartStudentNo_ = 0;
    int chartFontSize_ = 0;
    std::function<ChartChoice()> choice_;
};
