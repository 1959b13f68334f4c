#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <array>

#include "records/progress_report.h"

class QPainter;

// The progress report laid out for paper: one page per student.
struct ReportPage {
    QString header;  // the charts' header line: name, classroom, print date
    QString periodName;
    QString previousName;
    records::ProgressReport report;
    std::array<QString, kMaxLevel + 1> levelNames;
    int today = 0;
};

// Draws the page inside `page` (device pixels): the header, the period, the totals beside
// the previous period, the calendar of practice days (its last weeks when the period has
// more than fit) and one row per level with the line of the day's best times.
void drawReportPage(QPainter& painter, const QRectF& page, const ReportPage& content);

// The line of a level's best time of each day across the range inside `box`: slower days
// stand higher, as on the charts; new bests are red dots, the other days blue.
void drawDayBestLine(QPainter& painter, const QRectF& box, const records::LevelReport& level,
                     const records::DayRange& range);

// Shade of a calendar day by its number of runs (white for none).
QColor dayShade(int runs);
