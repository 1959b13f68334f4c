#include "home/chart_panel_gui.h"

#include <QFrame>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "home/home_layout_gui.h"
#include "home/home_lines.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/numeric.h"
#include "platform/printer_gui.h"
#include "platform/program.h"
#include "records/chart_drawing_gui.h"
#include "records/chart_students.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

using namespace homelayout;

namespace {

// Font size of printed cards, in points.
constexpr double kPrintFontSize = 6;

}  // namespace

// The chart area: white, with the cards of the last screenful.
class ChartSurface : public QFrame {
  public:
    explicit ChartSurface(QWidget* parent) : QFrame(parent) {}

    void setCards(ChartPage cards, QFont font, QString header) {
        cards_ = std::move(cards);
        font_ = std::move(font);
        header_ = std::move(header);
        update();
    }
    const ChartPage& cards() const { return cards_; }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        drawChartPage(painter, QRectF(rect()), cards_, font_, header_);
    }

  private:
    ChartPage cards_;
    QFont font_;
    QString header_;  // whose cards these are
};

namespace {

QString studentName(int studentNo) {
    return studentNo >= 0 && studentNo <= kMaxStudent
               ? state::roster().studentNames[static_cast<size_t>(studentNo)]
               : QString();
}

}  // namespace

ChartPanel::ChartPanel(QWidget* screen, ProgramState& state, ScreenFlow& flow)
    : QObject(screen), state_(state), flow_(flow) {
    using platform::twRect;
    panel_ = new QFrame(screen);
    panel_->setObjectName(QStringLiteral("Picture11"));
    panel_->setFrameShape(QFrame::Box);
    panel_->setAutoFillBackground(true);
    // Over the level columns and the explanation at the right.
    panel_->setGeometry(
        twRect(kColumnLeft, kLevelNameTop, kRightLeft + kRightWidth - kColumnLeft, 10080));

    chartArea_ = new ChartSurface(panel_);
    chartArea_->setObjectName(QStringLiteral("Picture12"));
    chartArea_->setFrameShape(QFrame::Box);
    widgets::setColors(chartArea_, Qt::white, Qt::black, true);
    chartArea_->setGeometry(twRect(120, 120, 10800, 9840));

    const int x = 11040;
    back_ = makeButton(panel_, QStringLiteral("Command18"), QStringLiteral("戻る"),
                       twRect(x, 120, 1680, 480));
    connect(back_, &QPushButton::clicked, this, [this] { panel_->hide(); });
    showOwn_[0] = makeButton(panel_, QStringLiteral("Command21_0"), QStringLiteral("表示"),
                             twRect(x, 720, 1680, 420));
    showOwn_[1] = makeButton(panel_, QStringLiteral("Command21_1"), QStringLiteral("印刷"),
                             twRect(x + 1800, 720, 1680, 420));
    connect(showOwn_[0], &QPushButton::clicked, this, [this] { showCards(chartStudentNo_); });
    connect(showOwn_[1], &QPushButton::clicked, this, [this] { printCards({chartStudentNo_}); });
    levels_ = new QListWidget(panel_);
    levels_->setObjectName(QStringLiteral("List3"));
    levels_->setSelectionMode(QAbstractItemView::MultiSelection);
    levels_->setGeometry(twRect(x, 1260, 1200, 1800));
    // The progress report of the signed-in student, beside the level list.
    QPushButton* report =
        makeButton(panel_, QStringLiteral("reportButton"), QStringLiteral("成績の記録"),
                   twRect(x + 1320, 1260, 2160, 420));
    connect(report, &QPushButton::clicked, this, [this] {
        flow_.showProgressReport(state_.session.currentStudentNo, panel_->window());
    });
    otherStudents_ =
        makeButton(panel_, QStringLiteral("Command25"), QStringLiteral("他の人のデータを見る"),
                   twRect(x, 3180, 3480, 420), 9);
    connect(otherStudents_, &QPushButton::clicked, this, [this] {
        otherStudents_->hide();
        students_->show();
    });
    showSelected_[0] = makeButton(panel_, QStringLiteral("Command24_0"), QStringLiteral("表示"),
                                  twRect(x, 3720, 1680, 420));
    showSelected_[1] = makeButton(panel_, QStringLiteral("Command24_1"), QStringLiteral("印刷"),
                                  twRect(x + 1800, 3720, 1680, 420));
    for (int k = 0; k < 2; ++k)
        connect(showSelected_[k], &QPushButton::clicked, this, [this, k] { showSelected(k == 1); });
    students_ = new QListWidget(panel_);
    students_->setObjectName(QStringLiteral("List2"));
    students_->setSelectionMode(QAbstractItemView::MultiSelection);
    students_->setGeometry(twRect(x, 4260, 3480, 5700));
    students_->hide();
    // Choosing students, and levels while the panel shows, redraws the selected students.
    connect(students_, &QListWidget::itemSelectionChanged, this, [this] {
        if (panel_->isVisible()) showSelected(false);
    });
    connect(levels_, &QListWidget::itemSelectionChanged, this, [this] {
        if (panel_->isVisible()) showSelected(false);
    });
    panel_->hide();
}

void ChartPanel::open() {
    chartStudentNo_ = state_.session.currentStudentNo;
    students_->hide();
    otherStudents_->show();
    {
        const QSignalBlocker quietStudents(students_);
        const QSignalBlocker quietLevels(levels_);
        students_->clearSelection();
        levels_->clearSelection();
        for (int i = 0; i < std::min(3, levels_->count()); ++i) levels_->item(i)->setSelected(true);
    }
    chartFontSize_ = 6;
    panel_->show();
    panel_->raise();
    showCards(chartStudentNo_);
}

void ChartPanel::setTeacherPrintVisible(bool visible) {
    showSelected_[1]->setVisible(visible);
}

void ChartPanel::fillStudentList() {
    students_->clear();
    students_->addItems(records::chartStudentListLines());
}

void ChartPanel::prepareForOwnRuns(int levelCount) {
    fillStudentList();
    levels_->clear();
    for (int level = 1; level <= levelCount; ++level) levels_->addItem(QString::number(level));
    chartStudentNo_ = state_.session.currentStudentNo;
}

ChartChoice ChartPanel::choice() const {
    return choice_ ? choice_() : ChartChoice{};
}

std::vector<int> ChartPanel::selectedLevels() const {
    std::vector<int> levels;
    for (int i = 0; i < levels_->count(); ++i)
        if (levels_->item(i)->isSelected()) levels.push_back(i + 1);
    return levels;
}

std::vector<int> ChartPanel::chosenStudents() {
    std::vector<int> chosen;
    for (int i = 0; i < students_->count(); ++i) {
        const QListWidgetItem* item = students_->item(i);
        if (!item->isSelected()) continue;
        // The student number follows the last "/" of the line.
        const QString text = item->text();
        const double number = platform::leadingNumber(text.mid(text.lastIndexOf(u'/') + 1));
        if (number < 1 || number > kMaxStudent) continue;
        chartStudentNo_ = static_cast<int>(number);
        chosen.push_back(chartStudentNo_);
    }
    if (chosen.empty()) chosen.push_back(chartStudentNo_);
    return chosen;
}

void ChartPanel::showSelected(bool print) {
    const std::vector<int> students = chosenStudents();
    if (print)
        printCards(students);
    else
        showCards(students.back());
}

void ChartPanel::showCards(int studentNo) {
    std::vector<records::LogRun> runs;
    if (!readChartRuns(&runs, lockedLogWait(flow_))) return;
    std::vector<ChartPage> pages =
        chartPages(state_.tables, runs, studentNo, selectedLevels(), choice());
    chartArea_->setCards(pages.empty() ? ChartPage{} : std::move(pages.back()),
                         widgets::gothicFont(chartFontSize_),
                         chartHeader(studentName(studentNo), state::settings().classroomName));
}

void ChartPanel::printCards(const std::vector<int>& students) {
    const std::vector<int> levels = selectedLevels();
    if (levels.empty()) return;
    std::unique_ptr<platform::Printer> printer = platform::choosePrinter(panel_->window());
    if (!printer) return;
    std::vector<records::LogRun> runs;
    if (!readChartRuns(&runs, lockedLogWait(flow_))) return;
    const ChartChoice chosen = choice();
    const QString today =
        records::date10(platform::dayCountFromDate(platform::clock().now().date()));
    std::vector<ChartPage> pages;
    std::vector<QString> headers;  // each page names its student
    for (int student : students) {
        std::vector<ChartPage> own = chartPages(state_.tables, runs, student, levels, chosen);
        headers.insert(headers.end(), own.size(),
                       chartHeader(studentName(student), state::settings().classroomName, today));
        std::move(own.begin(), own.end(), std::back_inserter(pages));
    }
    QFont font = widgets::gothicFont(kPrintFontSize);
    font.setPointSizeF(kPrintFontSize);
    platform::printPages(*printer, static_cast<int>(pages.size()),
                         [&](QPainter& painter, const QRectF& page, int index) {
                             drawChartPage(painter, page, pages[index], font, headers[index]);
                         });
}
