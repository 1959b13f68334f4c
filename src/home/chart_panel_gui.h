#pragma once

#include <QObject>

class QFrame;
class QListWidget;
class QPushButton;
class QWidget;

// The chart panel of the home screen: the chart area, the level and student lists, and the
// show and print buttons for the chosen student and for every selected student.
class ChartPanel : public QObject {
    Q_OBJECT
  public:
    explicit ChartPanel(QWidget* screen);

    QFrame* panel() const { return panel_; }
    // Opens the panel for the signed-in student with the first three levels selected.
    void open();
    // The teacher's button that prints the charts of every selected student.
    void setTeacherPrintVisible(bool visible);
    // Refills the student list with the roster's students of status 0
    // ("小１ /  山田花子/12").
    void fillStudentList();
    // Before the signed-in student's own runs are listed: the student list refilled, the
    // level list "1".."levelCount", and the signed-in student as the chart's student.
    void prepareForOwnRuns(int levelCount);

  private:
    QFrame* panel_ = nullptr;               // Picture11
    QFrame* chartArea_ = nullptr;           // Picture12
    QListWidget* levels_ = nullptr;         // List3
    QListWidget* students_ = nullptr;       // List2
    QPushButton* back_ = nullptr;           // Command18
    QPushButton* showOwn_[2] = {};          // Command21: show, print
    QPushButton* showSelected_[2] = {};     // Command24: show, print
    QPushButton* otherStudents_ = nullptr;  // Command25
    int chartStudentNo_ = 0;
    int chartFontSize_ = 0;
};
