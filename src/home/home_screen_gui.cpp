#include "home/home_screen_gui.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/wait_window_gui.h"
#include "app/shared_state.h"
#include "app/screens.h"
#include "drill/drill_run.h"
#include "drill/drill_screen_gui.h"
#include "home/home_lines.h"
#include "home/level_locks.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "platform/screens_gui.h"
#include "results/statistics.h"
#include "roster/roster.h"

namespace {

QPointer<HomeScreen> g_home;

const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Geometry of the screen, in twips.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;
constexpr int kColumnLeft = 240;  // left of List5(0)
constexpr int kColumnWidth = 2400;
constexpr int kVisibleColumns = 4;
constexpr int kRightLeft = kColumnLeft + kVisibleColumns * kColumnWidth + 240;
constexpr int kRightWidth = kScreenWidth - kRightLeft - 240;

// Rows of a level column.
constexpr int kLabel3Top = 1200;
constexpr int kCommand4Top = 1560;
constexpr int kLabel7Top = 2100;
constexpr int kLabel8Top = 2580;
constexpr int kLabel9Top = 2880;
constexpr int kLabel14Top = 3120;
constexpr int kLabel10Top = 3420;
constexpr int kLabel15Top = 3660;
constexpr int kText1Top = 3960;
constexpr int kLabel1Top = 3960;
constexpr int kList5Top = 4560;
constexpr int kList5Height = 3840;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points = 10.5, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(platform::programFont(kGothic, points, bold));
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                        double points = 10.5) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(platform::programFont(kGothic, points));
    button->setGeometry(geometry);
    return button;
}

QString indexed(const char* name, int index) {
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

void setLeft(QWidget* w, int x) {
    if (w) w->move(x, w->y());
}

}  // namespace

int& homeFirstColumn() {
    static int first = 0;
    return first;
}

HomeScreen* HomeScreen::current() {
    return g_home;
}

HomeScreen::HomeScreen() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(QStringLiteral("Quillmark5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(shared.screenBackColor));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setGeometry(platform::twRect(0, 0, kScreenWidth, kScreenHeight));
    setFont(platform::programFont(kGothic, 10.5));

    levelCount_ = std::clamp<int>(shared.levelCount, 0, kMaxLevel);
    buildControls();
    // The columns open where the student left them.
    if (homeFirstColumn() >= 1) {
        const QSignalBlocker block(HScroll1);
        HScroll1->setValue(std::min(homeFirstColumn(), HScroll1->maximum()));
    }
    layoutColumns();

    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* w) { focusWindowChanged(w); });
}

HomeScreen::~HomeScreen() = default;

// ---------------------------------------------------------------------------------------
// Controls

void HomeScreen::buildControls() {
    using platform::twRect;

    Label11 = makeLabel(this, QStringLiteral("Label11"), shared.drillTitle,
                        twRect(240, 120, 5400, 720), 24, true);
    Label12 = makeLabel(this, QStringLiteral("Label12"), QString(), twRect(5880, 120, 4200, 360),
                        12, true);
    Label13 = makeLabel(this, QStringLiteral("Label13"), QString(), twRect(5880, 480, 4200, 300));
    Label17 = makeLabel(this, QStringLiteral("Label17"), QString(), twRect(10320, 120, 2760, 300));
    Label18 = makeLabel(this, QStringLiteral("Label18"), QString(), twRect(10320, 480, 2760, 300));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("戻る(0)"),
                          twRect(13320, 120, 1800, 660), 12);
    connect(Command1, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { backToNameSelection(); }); });

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(twRect(kColumnLeft, 900, kVisibleColumns * kColumnWidth, 240));
    HScroll1->setRange(1, std::max(1, levelCount_));
    HScroll1->setPageStep(1);
    HScroll1->setValue(1);
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this] { platform::guarded([this] { layoutColumns(); }); });

    // List5(0): the reference of the column layout, never shown.
    List5Reference_ = new QListWidget(this);
    List5Reference_->setObjectName(QStringLiteral("List5_0"));
    List5Reference_->setGeometry(twRect(kColumnLeft, kList5Top, kColumnWidth, kList5Height));
    List5Reference_->hide();

    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("ベスト成績"),
                       twRect(kColumnLeft, 4260, 4800, 300), 10.5, true);

    columns_.resize(levelCount_ + 1);
    for (int level = 1; level <= levelCount_; ++level) buildColumn(level);

    // Wait panel shown while a record list is built.
    Picture6 = new QFrame(this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->setFrameShape(QFrame::Box);
    Picture6->setGeometry(twRect(kColumnLeft, kList5Top, kVisibleColumns * kColumnWidth, 1200));
    Picture6->setAutoFillBackground(true);
    makeLabel(Picture6, QStringLiteral("Label6"), QStringLiteral("Just a moment, please."),
              twRect(240, 120, 6000, 360));
    ProgressBar2 = new QProgressBar(Picture6);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setGeometry(twRect(240, 600, 9000, 300));
    Picture6->hide();

    // Explanation.
    Label28 = makeLabel(this, QStringLiteral("Label28"), QStringLiteral("説明"),
                        twRect(kRightLeft, kLabel3Top, kRightWidth, 300), 10.5, true);
    List6 = new QListWidget(this);
    List6->setObjectName(QStringLiteral("List6"));
    List6->setFont(platform::programFont(kGothic, 10.5));
    List6->setGeometry(twRect(kRightLeft, 1560, kRightWidth, 5160));

    Picture10 = new QFrame(this);
    Picture10->setObjectName(QStringLiteral("Picture10"));
    Picture10->setFrameShape(QFrame::Box);
    Picture10->setGeometry(twRect(kRightLeft, 6840, kRightWidth, 600));
    Label26 = makeLabel(Picture10, QStringLiteral("Label26"),
                        QStringLiteral("規定回数クリア、自由にしてよろしい"),
                        twRect(60, 60, kRightWidth - 120, 480), 10.5, true);
    Label26->setWordWrap(true);
    Picture10->hide();

    Command15 =
        makeButton(this, QStringLiteral("Command15"), QStringLiteral("ステップ.datの初期化"),
                   twRect(kRightLeft, 7560, 3000, 420), 9);
    connect(Command15, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { writeBlankStepFile(); }); });

    buildLowerPanel();
    buildChartPanel();

    // Wait panel shown while the screen computes or a drill starts.
    Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameShape(QFrame::Box);
    Picture2->setAutoFillBackground(true);
    Picture2->setGeometry(twRect(4680, 4560, 6000, 1800));
    makeLabel(Picture2, QStringLiteral("Label2"), QStringLiteral("Just a moment, please."),
              twRect(360, 300, 5280, 480), 14, true)
        ->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(Picture2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twRect(360, 1020, 5280, 360));
    ProgressBar1->setRange(0, 0);  // busy
    Picture2->hide();
}

void HomeScreen::buildColumn(int level) {
    using platform::twRect;
    Column& c = columns_[level];
    const int x = kColumnLeft;

    c.Label3 = makeLabel(this, indexed("Label3", level), shared.levelNames[level],
                         twRect(x, kLabel3Top, kColumnWidth, 330), 11, true);
    c.Label3->setCursor(Qt::PointingHandCursor);
    c.Label3->installEventFilter(this);

    c.Command4 = makeButton(this, indexed("Command4", level), QStringLiteral("ｽﾀｰﾄ"),
                            twRect(x + 120, kCommand4Top, kColumnWidth - 240, 480), 12);
    c.Command4->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
    c.Command4->setEnabled(false);
    connect(c.Command4, &QPushButton::clicked, this,
            [this, level] { platform::guarded([this, level] { startFromButton(level); }); });
    if (level <= 9) {
        // The digit alone starts the level, as the caption says.
        auto* key = new QShortcut(QKeySequence(Qt::Key_0 + level), this);
        connect(key, &QShortcut::activated, this, [this, level] {
            platform::guarded([this, level] {
                if (columns_[level].Command4->isEnabled()) startFromButton(level);
            });
        });
    }

    c.Label7 = makeLabel(this, indexed("Label7", level), QString(),
                         twRect(x, kLabel7Top, kColumnWidth, 460), 9);
    c.Label7->setWordWrap(true);
    c.Label8 = makeLabel(this, indexed("Label8", level), QString(),
                         twRect(x, kLabel8Top, kColumnWidth, 280), 9);
    c.Label9 = makeLabel(this, indexed("Label9", level), QStringLiteral("今日"),
                         twRect(x, kLabel9Top, kColumnWidth, 240), 9);
    c.Label14 = makeLabel(this, indexed("Label14", level), QString(),
                          twRect(x, kLabel14Top, kColumnWidth, 280), 10.5, true);
    c.Label10 = makeLabel(this, indexed("Label10", level), QStringLiteral("今まで"),
                          twRect(x, kLabel10Top, kColumnWidth, 240), 9);
    c.Label15 = makeLabel(this, indexed("Label15", level), QString(),
                          twRect(x, kLabel15Top, kColumnWidth, 280), 10.5, true);

    c.Text1 = new QLineEdit(this);
    c.Text1->setObjectName(indexed("Text1", level));
    c.Text1->setReadOnly(true);
    c.Text1->setGeometry(twRect(x + 1800, kText1Top, 480, 300));
    c.Label1 =
        makeLabel(this, indexed("Label1", level), QString(), twRect(x, kLabel1Top, 1680, 300), 9);

    c.List5 = new QListWidget(this);
    c.List5->setObjectName(indexed("List5", level));
    c.List5->setFont(platform::programFont(kGothic, 9));
    c.List5->setGeometry(twRect(x, kList5Top, kColumnWidth, kList5Height));

    // Builds the ranking of the level; run by the record-list handlers, never shown.
    c.Command3 = makeButton(this, indexed("Command3", level), QStringLiteral("成績表示"),
                            twRect(x, kList5Top + kList5Height, kColumnWidth, 300), 9);
    c.Command3->hide();

    fillColumnTargets(level);
}

void HomeScreen::fillColumnTargets(int level) {
    Column& c = columns_[level];
    if (shared.timedLevel[level] != 1) return;
    const LevelTarget& t = shared.levelTargets[level];
    c.Command4->setText(QStringLiteral("ｽﾀｰﾄ(&") + QString::number(level) + QStringLiteral(")"));
    c.Label7->setText(homelines::targetsLine(t));
    c.Label8->setText(
        homelines::clearWindowLine(t, resultsTables(), level, shared.currentStudentNo));
}

void HomeScreen::buildLowerPanel() {
    using platform::twRect;
    // The choices of the record lists.
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twRect(kColumnLeft, 8580, kVisibleColumns * kColumnWidth, 2760));

    const char* kinds[3] = {"ﾀｲﾑ表示", "ﾎﾟｲﾝﾄ表示", "個人ﾀｲﾑ"};
    auto* kindGroup = new QWidget(Picture1);
    kindGroup->setObjectName(QStringLiteral("Option2Group"));
    kindGroup->setGeometry(twRect(0, 60, 9600, 360));
    for (int k = 0; k < 3; ++k) {
        Option2[k] = new QRadioButton(QString::fromUtf8(kinds[k]), kindGroup);
        Option2[k]->setObjectName(indexed("Option2", k));
        Option2[k]->setFont(platform::programFont(kGothic, 10.5));
        Option2[k]->setGeometry(twRect(k * 2160, 0, 2040, 360));
        // The record lists come with their own handlers later.
    }
    const char* choices[4] = {"", "BEST表示", "本日のみ", "すべて"};
    auto* choiceGroup = new QWidget(Picture1);
    choiceGroup->setObjectName(QStringLiteral("Option1Group"));
    choiceGroup->setGeometry(twRect(0, 480, 9600, 360));
    for (int k = 1; k <= 3; ++k) {
        Option1[k] = new QRadioButton(QString::fromUtf8(choices[k]), choiceGroup);
        Option1[k]->setObjectName(indexed("Option1", k));
        Option1[k]->setFont(platform::programFont(kGothic, 10.5));
        Option1[k]->setGeometry(twRect((k - 1) * 2160, 0, 2040, 360));
    }

    Combo1 = new QComboBox(Picture1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setToolTip(QStringLiteral("表示する学年を選びます"));
    Combo1->setGeometry(twRect(0, 960, 2400, 360));
    Combo1->addItems({QStringLiteral("全学年"), QStringLiteral("中学生全体"),
                      QStringLiteral("小学生全体"), QStringLiteral("中３"), QStringLiteral("中２"),
                      QStringLiteral("中１"), QStringLiteral("小６"), QStringLiteral("小５"),
                      QStringLiteral("小４"), QStringLiteral("小３"), QStringLiteral("小２"),
                      QStringLiteral("小１"), QStringLiteral("家族")});
    Combo1->setCurrentIndex(0);
    connect(Combo1, &QComboBox::activated, this, [this] {
        platform::guarded([this] {
            // The record list of the new grade group is rebuilt by the record-list handlers.
            if (columns_.size() > 1) columns_[1].Command4->setFocus();
        });
    });

    Combo2 = new QComboBox(Picture1);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(twRect(2640, 960, 2400, 360));
    Combo2->hide();

    Command17 = makeButton(Picture1, QStringLiteral("Command17"), QStringLiteral("グラフ"),
                           twRect(5280, 960, 1680, 420));
    Command17->hide();
    connect(Command17, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { openCharts(); }); });

    // The list builders run by the option buttons.
    Command5 = makeButton(Picture1, QStringLiteral("Command5"), QStringLiteral("本日成績表示"),
                          twRect(0, 1500, 2160, 420), 9);
    Command6 = makeButton(Picture1, QStringLiteral("Command6"), QStringLiteral("過去最高表示"),
                          twRect(2280, 1500, 2160, 420), 9);
    Command7 = makeButton(Picture1, QStringLiteral("Command7"), QStringLiteral("全成績"),
                          twRect(4560, 1500, 2160, 420), 9);
    Command16 = makeButton(Picture1, QStringLiteral("Command16"), QStringLiteral("個人別ﾀｲﾑ"),
                           twRect(6840, 1500, 2160, 420), 9);
    for (QPushButton* b : {Command5, Command6, Command7, Command16}) b->hide();
}

void HomeScreen::buildChartPanel() {
    using platform::twRect;
    Picture11 = new QFrame(this);
    Picture11->setObjectName(QStringLiteral("Picture11"));
    Picture11->setFrameShape(QFrame::Box);
    Picture11->setAutoFillBackground(true);
    Picture11->setGeometry(twRect(kColumnLeft, kLabel3Top, kScreenWidth - 2 * kColumnLeft, 10080));

    Picture12 = new QFrame(Picture11);
    Picture12->setObjectName(QStringLiteral("Picture12"));
    Picture12->setFrameShape(QFrame::Box);
    Picture12->setAutoFillBackground(true);
    QPalette white = Picture12->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Picture12->setPalette(white);
    Picture12->setGeometry(twRect(120, 120, 10800, 9840));

    const int x = 11040;
    Command18 = makeButton(Picture11, QStringLiteral("Command18"), QStringLiteral("戻る"),
                           twRect(x, 120, 1680, 480));
    connect(Command18, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { Picture11->hide(); }); });
    Command21[0] = makeButton(Picture11, QStringLiteral("Command21_0"), QStringLiteral("表示"),
                              twRect(x, 720, 1680, 420));
    Command21[1] = makeButton(Picture11, QStringLiteral("Command21_1"), QStringLiteral("印刷"),
                              twRect(x + 1800, 720, 1680, 420));
    List3 = new QListWidget(Picture11);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setSelectionMode(QAbstractItemView::MultiSelection);
    List3->setGeometry(twRect(x, 1260, 1200, 1800));
    Command25 = makeButton(Picture11, QStringLiteral("Command25"),
                           QStringLiteral("他の人のデータを見る"), twRect(x, 3180, 3480, 420), 9);
    connect(Command25, &QPushButton::clicked, this, [this] {
        platform::guarded([this] {
            Command25->hide();
            List2->show();
        });
    });
    Command24[0] = makeButton(Picture11, QStringLiteral("Command24_0"), QStringLiteral("表示"),
                              twRect(x, 3720, 1680, 420));
    Command24[1] = makeButton(Picture11, QStringLiteral("Command24_1"), QStringLiteral("印刷"),
                              twRect(x + 1800, 3720, 1680, 420));
    List2 = new QListWidget(Picture11);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setSelectionMode(QAbstractItemView::MultiSelection);
    List2->setGeometry(twRect(x, 4260, 3480, 5700));
    List2->hide();
    // Drawing the charts (Command21, Command24, clicks on List2 and List3) comes with the
    // chart cards.
    Picture11->hide();
}

// ---------------------------------------------------------------------------------------
// Becoming active

void HomeScreen::activate() {
    if (activating_) return;
    activating_ = true;
    QPointer<HomeScreen> self(this);
    const auto done = qScopeGuard([self] {
        if (self) self->activating_ = false;
    });

    // 1. The explanation.
    List6->clear();
    List6->addItems(homelines::explanationLines());

    // 2. The teacher's print button of the charts.
    Command24[1]->setVisible(shared.currentStudentName.contains(QStringLiteral("先生")));

    // 3.
    Label17->setText(homelines::signInLine(
        drill::minutesSinceSignIn(platform::clock().monotonicMs(), shared.signInMonotonicMs,
                                  platform::secondsSinceMidnight(), shared.signInSeconds)));
    showWaitPanel();
    platform::doEvents();
    if (!self || platform::programEnding()) return;
    Option1[1]->setText(QStringLiteral("累計順"));
    Option1[2]->setText(QStringLiteral("本日順"));

    // 4.
    screens::closeNameSelection();
    buildStatistics();
    if (!self || platform::programEnding()) return;
    ResultsTables& stats = resultsTables();
    const int s = shared.currentStudentNo;

    // 5.
    Label18->setText(homelines::todayTotalLine(homelines::todayTotal(stats, levelCount_, s)));

    // 6. The record lists of the chosen kind are built by their own handlers.
    Option1[1]->setChecked(true);
    hideListsForRecordDisplay();
    Option2[1]->setChecked(true);
    Command1->setEnabled(true);

    // 7. Practice levels run against 600 seconds.
    homelines::applyPracticeOverride(levelCount_, shared.levelNames, shared.levelTargets);
    for (int level = 1; level <= levelCount_; ++level) {
        if (!columns_[level].Label3->text().contains(QStringLiteral("練")))
            columns_[level].List5->show();
    }

    // 8.
    Picture6->hide();
    Label12->setText(homelines::studentLine(shared.currentGradeLabel, shared.currentStudentName));
    Label13->setText(homelines::classroomLine(shared.classroomName, s));
    Label11->setText(shared.drillTitle);
    Label11->setFont(
        platform::programFont(kGothic, homelines::titleFontSize(shared.drillTitle), true));

    // 9.
    int first = homeFirstColumn();
    if (first < 1) first = 1;
    first = std::min(first, HScroll1->maximum());
    {
        const QSignalBlocker block(HScroll1);
        HScroll1->setValue(first);
    }
    layoutColumns();

    // 10. The student's figures.
    for (int level = 1; level <= levelCount_; ++level) {
        Column& c = columns_[level];
        c.Label15->setText(homelines::allTimeLine(stats, level, s));
        c.Label14->setText(homelines::todayLine(stats, level, s));
        if (shared.timedLevel[level] == 1)
            c.Label8->setText(
                homelines::clearWindowLine(shared.levelTargets[level], stats, level, s));
    }

    // 11.
    applyLevelLocks();

    // 12.
    Picture2->hide();
    ProgressBar1->hide();
    activatedOnce_ = true;
    platform::doEvents();
}

void HomeScreen::hideListsForRecordDisplay() {
    Command17->hide();
    Picture11->hide();
    Command1->setEnabled(false);
    for (int level = 1; level <= levelCount_; ++level) columns_[level].List5->hide();
    Picture6->show();
    Picture6->raise();
}

void HomeScreen::showWaitPanel() {
    Picture2->show();
    ProgressBar1->show();
    Picture2->raise();
}

void HomeScreen::回数など表示() {
    for (int level = 1; level <= levelCount_; ++level) {
        columns_[level].Label9->setText(QStringLiteral("今日"));
        columns_[level].Label10->setText(QStringLiteral("今まで"));
        columns_[level].List5->clear();
    }
}

void HomeScreen::成績リスト色表示() {
    for (int level = 1; level <= levelCount_; ++level) 成績リスト色表示単独(level);
}

void HomeScreen::成績リスト色表示単独(int level) {
    if (level < 1 || level > levelCount_) return;
    QListWidget* list = columns_[level].List5;
    if (list->count() > 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

void HomeScreen::layoutColumns() {
    const int first = homelines::firstColumn(HScroll1->value(), levelCount_);
    homeFirstColumn() = first;
    const int left = List5Reference_->x();
    const int width = List5Reference_->width();
    for (int level = 1; level <= levelCount_; ++level) {
        Column& c = columns_[level];
        const int x = homelines::columnLeft(left, level, first, width, this->width());
        for (QWidget* w : {static_cast<QWidget*>(c.List5), static_cast<QWidget*>(c.Label1),
                           static_cast<QWidget*>(c.Label3), static_cast<QWidget*>(c.Label7),
                           static_cast<QWidget*>(c.Label8), static_cast<QWidget*>(c.Label9),
                           static_cast<QWidget*>(c.Label10), static_cast<QWidget*>(c.Label14),
                           static_cast<QWidget*>(c.Label15), static_cast<QWidget*>(c.Command3)})
            setLeft(w, x);
        // The button and the marker box keep their place inside the column.
        setLeft(c.Command4, x + platform::tw(120));
        setLeft(c.Text1, x + platform::tw(1800));
    }
}

void HomeScreen::applyLevelLocks() {
    const LevelLocks locks = computeLevelLocks(levelLockInputFromSharedState(resultsTables()));
    shared.goalCleared = locks.goalCleared ? 1 : 0;
    Picture10->show();
    for (int level = 1; level <= levelCount_; ++level) {
        columns_[level].Command4->setEnabled(locks.startEnabled[level]);
        columns_[level].Text1->setVisible(locks.markerVisible[level]);
    }
    Picture6->raise();
}

// ---------------------------------------------------------------------------------------
// Handlers

// A level starts only when its button is open and no start is under way (a second press
// while events run during a start is ignored).
bool HomeScreen::mayStart(int level) const {
    return !starting_ && level >= 1 && level <= levelCount_ &&
           columns_[level].Command4->isEnabled();
}

void HomeScreen::startFromButton(int level) {
    if (!mayStart(level)) return;
    starting_ = true;
    QPointer<HomeScreen> self(this);
    showWaitPanel();
    shared.currentLevel = static_cast<qint16>(level);
    platform::doEvents();
    if (platform::programEnding()) return;
    startDrill();
    if (self) {
        self->starting_ = false;
        self->close();
    }
}

void HomeScreen::startFromLabel(int level) {
    if (!mayStart(level)) return;
    starting_ = true;
    QPointer<HomeScreen> self(this);
    shared.currentLevel = static_cast<qint16>(level);
    startDrill();
    if (self) self->starting_ = false;
}

void HomeScreen::backToNameSelection() {
    showWaitPanel();
    platform::doEvents();
    if (platform::programEnding()) return;
    screens::showNameSelection();
}

void HomeScreen::openCharts() {
    chartStudentNo_ = shared.currentStudentNo;
    List2->hide();
    Command25->show();
    List2->clearSelection();
    List3->clearSelection();
    for (int i = 0; i < std::min(3, List3->count()); ++i) List3->item(i)->setSelected(true);
    chartFontSize_ = 6;
    // The cards themselves are drawn by the chart display.
}

void HomeScreen::writeBlankStepFile() {
    const QString path = shared.dataFolder + QStringLiteral("ステップ原.dat");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw platform::RuntimeError(platform::errPathFileAccess, path, file.errorString());
    const QByteArray zeros(5000 * 8, '\0');
    if (file.write(zeros) != zeros.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw platform::RuntimeError(platform::errDeviceIO, path, why);
    }
    if (!file.commit())
        throw platform::RuntimeError(platform::errDeviceIO, path, file.errorString());
}

void HomeScreen::fillStudentList() {
    List2->clear();
    loadRoster([this](const RosterEntry& entry, const QString&) {
        List2->addItem(homelines::studentListLine(fullWidthGradeLabel(gradeOf(entry.birthYear)),
                                                  entry.studentName, entry.studentNo));
    });
}

bool HomeScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            for (int level = 1; level <= levelCount_; ++level) {
                if (watched != columns_[level].Label3) continue;
                platform::guarded([this, level] { startFromLabel(level); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Coming back to the front from another window of the program runs the activation again;
// coming back from another program does not.
void HomeScreen::focusWindowChanged(QWindow* window) {
    QWindow* own = windowHandle();
    if (!window || !own || !isVisible()) return;
    if (window == own) {
        if (lostToOwnWindow_ && activatedOnce_ && !activating_) {
            lostToOwnWindow_ = false;
            QPointer<HomeScreen> self(this);
            QTimer::singleShot(0, this, [self] {
                if (self) platform::guarded([self] { self->activate(); });
            });
        }
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() != window) continue;
        if (qobject_cast<WaitWindow*>(w) || qobject_cast<QMessageBox*>(w)) return;
        lostToOwnWindow_ = true;
        return;
    }
}

// ---------------------------------------------------------------------------------------
// Screen hooks

namespace {

void showHome() {
    platform::showSingleScreen(g_home, &HomeScreen::activate);
}

void closeHome() {
    if (g_home) g_home->close();
}

}  // namespace

void installHomeScreenHooks() {
    screens::hooks().showHomeScreen = showHome;
    screens::hooks().closeHomeScreen = closeHome;
}
