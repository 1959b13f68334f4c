#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDialog>
#include <functional>
#include <vector>

#include "records/progress_report.h"
#include "records/progress_report_page_gui.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

// The window "成績の記録": a student's practice days, totals beside the previous period and
// per-level figures over a chosen period, printable one page per student and saved as CSV.
// Modeless, over the window it was opened from; it reads the roster, course and settings
// it is given and the results log (waiting for another machine's hold with `logWait`).
class ProgressReportWindow : public QDialog {
    Q_OBJECT
  public:
    // The roster's active students are offered, `firstStudent` (when one of them) first.
    ProgressReportWindow(const state::Settings& settings, const state::Roster& roster,
                         const state::Course& course, int firstStudent, QWidget* over,
                         LockedLogWait logWait = {});

    // Where "CSV保存" writes: the save dialog unless replaced (tests answer a path, or an
    // empty text for a cancel).
    using SavePathChoice = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setSavePathChoice(SavePathChoice choice) { savePath_ = std::move(choice); }

    // The student and period chosen now.
    int studentNo() const;
    records::ReportPeriod period() const;
    // Reads the log and lays the figures out for the chosen student and period.
    void refresh();
    // The page of a student for the chosen period (what "印刷" prints), from the student's
    // runs (studentRuns).
    ReportPage pageFor(int studentNo, const std::vector<records::LogRun>& ownRuns) const;

  private:
    void build();
    void showReport(const ReportPage& page);
    void fillCalendar(const ReportPage& page);
    void fillLevels(const ReportPage& page);
    void print(const std::vector<int>& students);
    void saveCsv();
    std::vector<int> activeStudents() const;
    // A student's runs the report may show: those of the whole results log (not only its
    // last 20000 records). The log is read again only when its size or time has changed
    // (records are only ever appended). False when the program was ended meanwhile.
    bool studentRuns(int studentNo, std::vector<records::LogRun>* runs);
    records::DayRange chosenRange(const std::vector<records::LogRun>& ownRuns) const;

    const state::Settings& settings_;
    const state::Roster& roster_;
    const state::Course& course_;
    LockedLogWait logWait_;
    records::ReportLevels levels_;
    SavePathChoice savePath_;
    QByteArray logBytes_;
    qint64 logSize_ = -1;
    QDateTime logModified_;

    QComboBox* students_ = nullptr;
    QComboBox* periods_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QTableWidget* calendar_ = nullptr;
    std::vector<QLabel*> totalValues_;
    std::vector<QLabel*> totalChanges_;
    QTableWidget* levelTable_ = nullptr;
};

// Opens the window over `over`, or brings `open` (the one already open, if any) to the
// front with `firstStudent` chosen.
ProgressReportWindow* openProgressReport(ProgressReportWindow* open,
                                         const state::Settings& settings,
                                         const state::Roster& roster, const state::Course& course,
                                         int firstStudent, QWidget* over,
                                         LockedLogWait logWait = {});
