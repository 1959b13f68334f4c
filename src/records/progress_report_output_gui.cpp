#include "records/progress_report_gui.h"

// What the window 成績の記録 puts out: "印刷" and "全員を印刷" (a page a student, in one
// job) and "CSV保存" (the student's runs of the period, as the export command writes them).

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>

#include "course/levels.h"
#include "export/runs_csv.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/messages.h"
#include "platform/printer_gui.h"
#include "platform/program.h"
#include "records/chart_card.h"
#include "results/result_log.h"

void ProgressReportWindow::print(const std::vector<int>& students) {
    if (students.empty()) return;
    std::unique_ptr<platform::Printer> printer = platform::choosePrinter(this);
    if (!printer) return;
    const QString printDate = records::date10(records::dayOf(platform::clock().now().date()));
    std::vector<ReportPage> pages;
    for (int student : students) {
        std::vector<records::LogRun> runs;
        if (!studentRuns(student, &runs)) return;
        pages.push_back(pageFor(student, runs));
        pages.back().header = chartHeader(roster_.studentNames[static_cast<size_t>(student)],
                                          settings_.classroomName, printDate);
    }
    platform::printPages(*printer, static_cast<int>(pages.size()),
                         [&](QPainter& painter, const QRectF& area, int index) {
                             drawReportPage(painter, area, pages[static_cast<size_t>(index)]);
                         });
}

void ProgressReportWindow::saveCsv() {
    const int student = studentNo();
    if (student < 1) return;
    const QString name = roster_.studentNames[static_cast<size_t>(student)];
    const QString suggested =
        QDir::homePath() + QStringLiteral("/成績_%1_%2-%3.csv")
                               .arg(name, from_->date().toString(QStringLiteral("yyyyMMdd")),
                                    to_->date().toString(QStringLiteral("yyyyMMdd")));
    const QString path =
        savePath_ ? savePath_(this, suggested)
                  : QFileDialog::getSaveFileName(this, QStringLiteral("CSV保存"), suggested,
                                                 QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    if (!readResultLog(&bytes, logWait_)) return;
    RunsLookup lookup;
    for (int no : activeStudents()) {
        lookup.studentNames[static_cast<size_t>(no)] =
            roster_.studentNames[static_cast<size_t>(no)];
        lookup.gradeLabels[static_cast<size_t>(no)] =
            roster_.studentGradeLabels[static_cast<size_t>(no)];
    }
    for (int level = 1; level <= kMaxLevel; ++level) {
        const auto i = static_cast<size_t>(level);
        const QString levelName = course::level(level).name;
        lookup.levelNames[i] = levelName.isEmpty() ? course_.levelNames[i] : levelName;
        lookup.passTimes[i] = course_.levelTargets[i].passTime;
    }
    lookup.targetsPath = state::levelTargetsPath();
    RunsFilter filter;
    filter.from = from_->date();
    filter.to = to_->date();
    filter.studentNo = student;
    try {
        const LogRuns log = decodeRuns(bytes, resultLogPath());
        platform::replaceFile(path, runsCsv(log.records, lookup, filter, CsvEncoding::Utf8WithBom));
    } catch (const platform::RuntimeError& e) {
        // A file that cannot be written is named; the program goes on.
        platform::msgBox(e.message(), QStringLiteral("CSV保存"), platform::MsgIcon::Exclamation);
    }
}
