#include "records/progress_report_gui.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "course/levels.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "records/chart_card.h"
#include "results/pending_runs.h"
#include "widgets/controls_gui.h"

using records::ReportPeriod;

namespace {

constexpr int kDayBestColumn = 6;
// Marks today's cell of the calendar.
constexpr int kTodayRole = Qt::UserRole + 1;

const QString kWeekDays[7] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                              QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"),
                              QStringLiteral("日")};

QDate today() {
    return platform::clock().now().date();
}

// Calendar cells: today outlined in red.
class CalendarDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(kTodayRole).toBool()) return;
        painter->save();
        painter->setPen(QPen(Qt::red, 2));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

// The line of a level's day bests in the level table.
class DayBestCell : public QWidget {
  public:
    DayBestCell(records::LevelReport level, records::DayRange range)
        : level_(std::move(level)), range_(range) {
        setAutoFillBackground(true);
        widgets::setBackground(this, Qt::white, true);
        QStringList days;
        for (const records::DayBest& b : level_.dayBests)
            days << records::dayText(b.day) + u' ' + QString::number(b.time) +
                        QStringLiteral("秒") +
                        (b.newBest ? QStringLiteral("（新記録）") : QString());
        setToolTip(days.join(u'\n'));
        setAccessibleName(QStringLiteral("日ごとの最高タイム"));
        setAccessibleDescription(days.join(QStringLiteral("、")));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawDayBestLine(painter, QRectF(rect()), level_, range_);
    }

  private:
    records::LevelReport level_;
    records::DayRange range_;
};

QTableWidgetItem* textItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ProgressReportWindow::ProgressReportWindow(const state::Settings& settings,
                                           const state::Roster& roster, const state::Course& course,
                                           int firstStudent, QWidget* over, LockedLogWait logWait)
    : QDialog(over),
      settings_(settings),
      roster_(roster),
      course_(course),
      logWait_(std::move(logWait)),
      levels_(records::reportLevelsOf(course)) {
    setObjectName(QStringLiteral("ProgressReport"));
    setWindowTitle(QStringLiteral("成績の記録"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    std::vector<int> students = activeStudents();
    const auto first = std::find(students.begin(), students.end(), firstStudent);
    if (first != students.end()) std::rotate(students.begin(), first, first + 1);
    for (int no : students) {
        const QString grade = roster_.studentGradeLabels[static_cast<size_t>(no)];
        students_->addItem((grade.isEmpty() ? QString() : grade + u' ') +
                               roster_.studentNames[static_cast<size_t>(no)],
                           no);
    }
    // Nearly the main screens' size (which grow with a larger screen), inside the window it
    // belongs to.
    QSize size = platform::twRect(0, 0, 14760, 10800).size();
    if (over) size = size.boundedTo(over->window()->size());
    resize(size);
    if (over) move(over->window()->geometry().center() - rect().center());
    refresh();
}

std::vector<int> ProgressReportWindow::activeStudents() const {
    std::vector<int> students;
    for (int line = 1; line <= roster_.count; ++line) {
        const int no = roster_.lineStudentNo[static_cast<size_t>(line)];
        if (no >= 1 && no <= kMaxStudent &&
            std::find(students.begin(), students.end(), no) == students.end())
            students.push_back(no);
    }
    return students;
}

void ProgressReportWindow::build() {
    widgets::setColors(this, QColor(settings_.screenBackColor), Qt::white, true);
    setFont(widgets::gothicFont(10.5));
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QHBoxLayout;
    const auto label = [this](const QString& text) {
        auto* l = new QLabel(text, this);
        return l;
    };
    students_ = new QComboBox(this);
    students_->setObjectName(QStringLiteral("studentPicker"));
    students_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    periods_ = new QComboBox(this);
    periods_->setObjectName(QStringLiteral("periodPicker"));
    for (ReportPeriod p :
         {ReportPeriod::ThisWeek, ReportPeriod::ThisMonth, ReportPeriod::LastThreeMonths,
          ReportPeriod::SchoolYear, ReportPeriod::All, ReportPeriod::Dates})
        periods_->addItem(records::periodName(p), static_cast<int>(p));
    from_ = new QDateEdit(today(), this);
    from_->setObjectName(QStringLiteral("fromDate"));
    to_ = new QDateEdit(today(), this);
    to_->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (period() == ReportPeriod::Dates) refresh();
        });
    }
    choices->addWidget(label(QStringLiteral("生徒")));
    choices->addWidget(students_);
    choices->addSpacing(12);
    choices->addWidget(label(QStringLiteral("期間")));
    choices->addWidget(periods_);
    choices->addWidget(from_);
    choices->addWidget(label(QStringLiteral("～")));
    choices->addWidget(to_);
    choices->addStretch();
    const auto button = [this, choices](const char* name, const QString& text, auto handler) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        choices->addWidget(b);
        return b;
    };
    button("printButton", QStringLiteral("印刷"), [this] { print({studentNo()}); });
    button("printAllButton", QStringLiteral("全員を印刷"), [this] { print(activeStudents()); });
    button("csvButton", QStringLiteral("CSV保存"), [this] { saveCsv(); });
    button("closeButton", QStringLiteral("閉じる"), [this] { close(); });
    layout->addLayout(choices);
    connect(students_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(periods_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });

    rangeLabel_ = label(QString());
    rangeLabel_->setObjectName(QStringLiteral("rangeLabel"));
    rangeLabel_->setFont(widgets::gothicFont(12, true));
    layout->addWidget(rangeLabel_);

    auto* middle = new QHBoxLayout;
    calendar_ = new QTableWidget(0, 7, this);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setAccessibleName(QStringLiteral("練習した日のカレンダー"));
    calendar_->setHorizontalHeaderLabels({kWeekDays, kWeekDays + 7});
    calendar_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    calendar_->verticalHeader()->setDefaultSectionSize(28);
    calendar_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    calendar_->setSelectionMode(QAbstractItemView::NoSelection);
    calendar_->setItemDelegate(new CalendarDelegate(calendar_));
    widgets::setColors(calendar_, Qt::white, Qt::black, true);
    middle->addWidget(calendar_, 3);

    auto* totals = new QGridLayout;
    const std::vector<records::TotalLine> lines =
        records::totalLines(records::ProgressReport{}, QString());
    for (size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        totals->addWidget(label(lines[i].caption), row, 0);
        QLabel* value = label(QString());
        value->setObjectName(lines[i].name + QStringLiteral("Value"));
        value->setFont(widgets::gothicFont(12, true));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* change = label(QString());
        change->setObjectName(lines[i].name + QStringLiteral("Change"));
        totals->addWidget(value, row, 1);
        totals->addWidget(change, row, 2);
        totalValues_.push_back(value);
        totalChanges_.push_back(change);
    }
    totals->setColumnMinimumWidth(2, 150);
    totals->setRowStretch(static_cast<int>(lines.size()), 1);
    middle->addLayout(totals, 2);
    layout->addLayout(middle, 3);

    levelTable_ = new QTableWidget(0, kDayBestColumn + 1, this);
    levelTable_->setObjectName(QStringLiteral("levelTable"));
    levelTable_->setHorizontalHeaderLabels(records::levelHeadings());
    levelTable_->verticalHeader()->hide();
    levelTable_->verticalHeader()->setDefaultSectionSize(40);
    levelTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    levelTable_->horizontalHeader()->setSectionResizeMode(kDayBestColumn, QHeaderView::Stretch);
    levelTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    levelTable_->setSelectionMode(QAbstractItemView::NoSelection);
    widgets::setColors(levelTable_, Qt::white, Qt::black, true);
    layout->addWidget(levelTable_, 2);
}

int ProgressReportWindow::studentNo() const {
    return students_->currentData().toInt();
}

ReportPeriod ProgressReportWindow::period() const {
    return static_cast<ReportPeriod>(periods_->currentData().toInt());
}

records::DayRange ProgressReportWindow::chosenRange(
    const std::vector<records::LogRun>& ownRuns) const {
    return records::periodRange(period(), today(), static_cast<int>(settings_.schoolYearStartMonth),
                                from_->date(), to_->date(), records::firstRunDate(ownRuns));
}

ReportPage ProgressReportWindow::pageFor(int student,
                                         const std::vector<records::LogRun>& own) const {
    ReportPage page;
    const records::DayRange range = chosenRange(own);
    const records::DayRange previous =
        records::previousRange(period(), range, static_cast<int>(settings_.schoolYearStartMonth));
    page.today = records::dayOf(today());
    page.report = records::buildProgressReport(own, range, previous, page.today, levels_);
    page.periodName = records::periodName(period());
    page.previousName = records::previousName(period());
    const bool known = student >= 0 && student <= kMaxStudent;
    page.header =
        chartHeader(known ? roster_.studentNames[static_cast<size_t>(student)] : QString(),
                    settings_.classroomName);
    for (int level = 1; level <= kMaxLevel; ++level) {
        const QString name = course::level(level).name;
        page.levelNames[static_cast<size_t>(level)] =
            name.isEmpty() ? course_.levelNames[static_cast<size_t>(level)] : name;
    }
    return page;
}

void ProgressReportWindow::refresh() {
    if (students_->count() == 0) return;
    std::vector<records::LogRun> runs;
    if (!studentRuns(studentNo(), &runs)) return;
    showReport(pageFor(studentNo(), runs));
}

bool ProgressReportWindow::studentRuns(int student, std::vector<records::LogRun>* runs) {
    const QFileInfo log(resultLogPath());
    if (!log.exists() || log.size() != logSize_ || log.lastModified() != logModified_) {
        if (!readResultLog(&logBytes_, logWait_)) return false;
        logSize_ = logBytes_.size();
        logModified_ = log.lastModified();
    }
    // The runs this computer keeps until the shared log can take them join the log's here
    // (the copy shares the log's bytes until a pending run is added to it).
    QByteArray withPending = logBytes_;
    addPendingToLog(&withPending, familyLogs());
    *runs = records::studentRunsInLog(withPending, student);
    return true;
}

void ProgressReportWindow::showReport(const ReportPage& page) {
    const records::ProgressReport& r = page.report;
    const bool dates = period() == ReportPeriod::Dates;
    from_->setEnabled(dates);
    to_->setEnabled(dates);
    if (!dates) {
        const QSignalBlocker quietFrom(from_);
        const QSignalBlocker quietTo(to_);
        from_->setDate(records::dateOfDay(r.range.first));
        to_->setDate(records::dateOfDay(r.range.last));
    }
    rangeLabel_->setText(
        page.periodName + QStringLiteral("　") + records::rangeText(r.range) +
        (page.previousName.isEmpty() || r.previousRange.days() == 0
             ? QString()
             : QStringLiteral("（") + page.previousName + QStringLiteral("と比べて）")));
    const std::vector<records::TotalLine> lines = records::totalLines(r, page.previousName);
    for (size_t i = 0; i < lines.size() && i < totalValues_.size(); ++i) {
        totalValues_[i]->setText(lines[i].value);
        totalChanges_[i]->setText(lines[i].change);
    }
    fillCalendar(page);
    fillLevels(page);
}

void ProgressReportWindow::fillCalendar(const ReportPage& page) {
    const records::ProgressReport& r = page.report;
    const int firstMonday = r.range.first - (records::dateOfDay(r.range.first).dayOfWeek() - 1);
    const int weeks = r.range.days() ? (r.range.last - firstMonday) / 7 + 1 : 0;
    calendar_->setUpdatesEnabled(false);
    calendar_->clearContents();
    calendar_->setRowCount(weeks);
    QStringList weekLabels;
    for (int w = 0; w < weeks; ++w) {
        const int monday = firstMonday + 7 * w;
        weekLabels << records::dateOfDay(monday).toString(QStringLiteral("M/d"));
        for (int d = 0; d < 7; ++d) {
            const int day = monday + d;
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (!r.range.contains(day)) {
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(QColor(200, 200, 200));
            } else {
                const int runs = r.dayRuns[static_cast<size_t>(day - r.range.first)];
                const QString text =
                    records::dayText(day) + u' ' + QString::number(runs) + QStringLiteral("回");
                item->setFlags(Qt::ItemIsEnabled);
                if (runs > 0) item->setText(QString::number(runs));
                item->setBackground(dayShade(runs));
                item->setForeground(runs >= 4 ? Qt::white : Qt::black);
                item->setToolTip(text);
                item->setData(Qt::AccessibleTextRole, text);
                item->setData(kTodayRole, day == page.today);
            }
            calendar_->setItem(w, d, item);
        }
    }
    calendar_->setVerticalHeaderLabels(weekLabels);
    calendar_->setUpdatesEnabled(true);
    // The week of today, or the last week of the period.
    const int focus = std::clamp(page.today, r.range.first, r.range.last);
    if (weeks > 0) calendar_->scrollToItem(calendar_->item((focus - firstMonday) / 7, 0));
}

void ProgressReportWindow::fillLevels(const ReportPage& page) {
    const std::vector<records::LevelReport>& levels = page.report.levels;
    levelTable_->clearContents();
    levelTable_->setRowCount(static_cast<int>(levels.size()));
    for (size_t i = 0; i < levels.size(); ++i) {
        const int row = static_cast<int>(i);
        const QStringList cells =
            records::levelCells(levels[i], page.levelNames[static_cast<size_t>(levels[i].level)]);
        for (int c = 0; c < cells.size(); ++c) levelTable_->setItem(row, c, textItem(cells[c]));
        auto* line = new DayBestCell(levels[i], page.report.range);
        line->setObjectName(QStringLiteral("dayBests%1").arg(levels[i].level));
        levelTable_->setCellWidget(row, kDayBestColumn, line);
    }
}

ProgressReportWindow* openProgressReport(ProgressReportWindow* open,
                                         const state::Settings& settings,
                                         const state::Roster& roster, const state::Course& course,
                                         int firstStudent, QWidget* over, LockedLogWait logWait) {
    if (open) {
        const int index =
            open->findChild<QComboBox*>(QStringLiteral("studentPicker"))->findData(firstStudent);
        if (index >= 0)
            open->findChild<QComboBox*>(QStringLiteral("studentPicker"))->setCurrentIndex(index);
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window =
        new ProgressReportWindow(settings, roster, course, firstStudent, over, std::move(logWait));
    window->show();
    return window;
}
