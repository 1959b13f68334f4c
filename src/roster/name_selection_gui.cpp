#include "roster/name_selection_gui.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/catalogue.h"
#include "app/screens.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "platform/clock.h"
#include "platform/controls_gui.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/numeric.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "results/statistics.h"
#include "roster/name_list.h"
#include "roster/roster.h"
#include "sound/sound.h"

namespace {

using platform::makeLabel;

const QString kPrompt = QStringLiteral("名前を選びなさい");
const QString kHeaderRow = QStringLiteral("－－－－－－");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");

QPointer<NameSelection>& currentWindow() {
    static QPointer<NameSelection> window;
    return window;
}

// The lock that marks the program as running; held from the first load to the end of
// the run. A new key (tests run programs of several folders) takes a new lock.
struct InstanceLock {
    QString key;
    std::unique_ptr<platform::SingleInstance> lock;
};

bool acquireInstanceLock() {
    static InstanceLock held;
    const QString key = NameSelection::instanceKey();
    if (!held.lock || held.key != key) {
        held.lock.reset();
        held.lock = std::make_unique<platform::SingleInstance>(key);
        held.key = key;
    }
    return held.lock->acquired();
}

StudentFigures figuresOf(int studentNo) {
    StudentFigures f;
    ResultsTables& t = resultsTables();
    for (int level = 1; level <= kMaxLevel; ++level) {
        f.todayCount += t.todayCount(level, studentNo);
        f.todayPoints += t.todayPoints(level, studentNo);
        f.attempts += t.attempts(level, studentNo);
        f.totalPoints += t.totalPoints(level, studentNo);
    }
    return f;
}

void setBackground(QWidget* w, QRgb color) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(color));
    pal.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(pal);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                        double points, bool bold = false) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(platform::programFont(kGothic, points, bold));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

}  // namespace

NameSelection::NameSelection() {
    setObjectName(QStringLiteral("namesel"));
    setWindowTitle(QStringLiteral("Quillmark5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(platform::twRect(0, 0, 15360, 11520).size());
    buildControls();
    buildMenus();
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    platform::coverScreen(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &NameSelection::focusWindowChanged);
}

NameSelection::~NameSelection() = default;

NameSelection* NameSelection::current() {
    return currentWindow().data();
}

QString NameSelection::instanceKey() {
    return QDir::cleanPath(QFileInfo(shared.programFolder).absoluteFilePath());
}

void NameSelection::buildControls() {
    using platform::twRect;
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("namesel_client"));
    setCentralWidget(central_);
    setBackground(central_, shared.screenBackColor);

    title_ = makeLabel(central_, "Label4", QString(), twRect(600, 120, 9600, 1200), 48, true);
    QPalette titlePal = title_->palette();
    titlePal.setColor(QPalette::WindowText, QColor(255, 255, 128));
    title_->setPalette(titlePal);

    names_ = makeList(central_, "List1");
    names_->setGeometry(twRect(600, 1500, 8400, 8700));
    names_->setFont(platform::programFont(kGothic, 16));
    names_->setFocusPolicy(Qt::StrongFocus);
    sortKeys_ = makeList(central_, "List2");   // sort rows, kept in order
    rowTexts_ = makeList(central_, "List3");   // display text, "*" and student number
    spareList_ = makeList(central_, "List4");  // spare
    for (QListWidget* hidden : {sortKeys_, rowTexts_, spareList_}) hidden->hide();

    helpHeading_ = makeLabel(central_, "Label13", QStringLiteral("オンラインヘルプ"),
                             twRect(10500, 200, 4500, 400), 12, true);
    help1Button_ = makeButton(central_, "Command15", QStringLiteral("使用法の説明１"),
                              twRect(10500, 650, 2300, 560), 10);
    help1Note_ = makeLabel(central_, "Label15",
                           QStringLiteral("名前の変更、名前の選択、レベルの選択、登録など"),
                           twRect(12900, 620, 2300, 900), 9);
    help1Note_->setWordWrap(true);
    help2Button_ = makeButton(central_, "Command17", QStringLiteral("使用法の説明2"),
                              twRect(10500, 1600, 2300, 560), 10);
    help2Note_ = makeLabel(central_, "Label16", QStringLiteral("このソフトの勉強の仕方"),
                           twRect(12900, 1570, 2300, 600), 9);
    help2Note_->setWordWrap(true);

    chosenName_ = makeLabel(central_, "Label1", kPrompt, twRect(9300, 2600, 5700, 700), 18, true);
    chosenName_->setAutoFillBackground(true);
    QPalette namePal = chosenName_->palette();
    namePal.setColor(QPalette::Window, Qt::white);
    namePal.setColor(QPalette::WindowText, Qt::black);
    chosenName_->setPalette(namePal);
    chosenNumber_ = makeLabel(central_, "Label2", QString(), twRect(9300, 3300, 1500, 300), 9);
    chosenNumber_->hide();

    okButton_ = makeButton(central_, "Command14", QStringLiteral("O.K."),
                           twRect(9300, 3500, 2700, 1000), 20, true);
    picture_ = new QLabel(central_);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(twRect(12600, 3500, 1000, 1000));
    picture_->setScaledContents(true);

    gradeGroup_ = new QComboBox(central_);
    gradeGroup_->setObjectName(QStringLiteral("Combo1"));
    gradeGroup_->setGeometry(twRect(9300, 4900, 3000, 480));
    gradeGroup_->setFont(platform::programFont(kGothic, 12));
    // The groups are added once; the box starts with "全学年".
    gradeGroup_->addItems(gradeGroups());
    gradeGroup_->setCurrentIndex(0);

    modePanel_ = new QFrame(central_);
    modePanel_->setObjectName(QStringLiteral("Picture7"));
    modePanel_->setGeometry(twRect(9300, 5600, 5700, 2300));
    modePanel_->setFrameShape(QFrame::Box);
    static const char* const kModeCaptions[4] = {"回数(今日／今まで）", "ポイント（今日／今まで）",
                                                 "本日（ポイント／回数）",
                                                 "今まで（ポイント／回数）"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kModeCaptions[i]), modePanel_);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(twRect(150, 120 + i * 520, 5400, 480));
        option->setFont(platform::programFont(kGothic, 12));
        QPalette pal = option->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        option->setPalette(pal);
        modeOptions_[i] = option;
    }
    modeOptions_[1]->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        connect(modeOptions_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) platform::guarded([&] { onDisplayMode(i); });
        });
    }

    nameChangeButton_ = makeButton(central_, "Command16", QStringLiteral("名前の変更"),
                                   twRect(9300, 8300, 2700, 700), 12);
    endButton_ = makeButton(central_, "Command7", QStringLiteral("終了"),
                            twRect(12300, 8300, 2700, 700), 12, true);
    printButton_ =
        makeButton(central_, "Command1", QStringLiteral("印刷"), twRect(9300, 9200, 2700, 600), 12);
    printButton_->hide();

    // The please-wait cover over the whole window.
    waitPanel_ = new QFrame(central_);
    waitPanel_->setObjectName(QStringLiteral("Picture5"));
    waitPanel_->setGeometry(twRect(0, 0, 15360, 11520));
    setBackground(waitPanel_, shared.screenBackColor);
    waitText_ = makeLabel(waitPanel_, "Label19", QStringLiteral("Just a moment, please."),
                          twRect(0, 4800, 15360, 900), 20, true);
    waitText_->setAlignment(Qt::AlignCenter);
    waitPanel_->raise();

    connect(names_, &QListWidget::currentRowChanged, this,
            [this](int row) { platform::guarded([&] { onListClick(row); }); });
    connect(names_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        platform::guarded([&] { onListClick(names_->row(item)); });
    });
    connect(names_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        platform::guarded([&] { onListDoubleClick(names_->row(item)); });
    });
    connect(gradeGroup_, &QComboBox::activated, this,
            [this](int index) { platform::guarded([&] { onGroupChosen(index); }); });
    connect(okButton_, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { signIn(); }); });
    connect(endButton_, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { endToLauncher(); }); });
    connect(nameChangeButton_, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { changeNames(); }); });
    connect(help1Button_, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { showHelpPage("/helpmenu.htm"); }); });
    connect(help2Button_, &QPushButton::clicked, this,
            [] { platform::guarded([] { catalogue::openHelp(); }); });
}

void NameSelection::buildMenus() {
    auto addAction = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [handler] { platform::guarded(handler); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("file"));
    file->setObjectName(QStringLiteral("menufile"));
    addAction(file, "menuname", QStringLiteral("名前の変更"), [this] { changeNames(); });
    addAction(file, "menuend", QStringLiteral("終了"), [this] { endToLauncher(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("menuHelp0"));
    addAction(help, "menuhelp1", QStringLiteral("使用法の説明１"),
              [this] { showHelpPage("/helpmenu.htm"); });
    addAction(help, "menuhelp2", QStringLiteral("使用法の説明２"), [] { catalogue::openHelp(); });
    help->addSeparator();
    addAction(help, "menuspt", QStringLiteral("バージョン情報"),
              [] { screens::showVersionDialog(); });
    help->addSeparator();
    addAction(help, "mnmale", QStringLiteral("お問い合わせ"),
              [this] { showHelpPage("/formmail2/form1.html"); });
    addAction(help, "menuQMK5", QStringLiteral("Quillmark5ホームページ"),
              [this] { openHomePage(); });
}

bool NameSelection::load() {
    bool keep = false;
    platform::guarded([&] {
        setBackground(central_, shared.screenBackColor);
        setBackground(waitPanel_, shared.screenBackColor);
        waitPanel_->move(0, 0);
        waitPanel_->show();
        waitPanel_->raise();
        platform::seedFromClock();
        // A second copy is refused before anything is shown or read.
        if (!acquireInstanceLock()) {
            platform::msgBox(QStringLiteral("このプログラムと同じプログラムがすでに起動され、"
                                            "完全に終了されていません。同じプログラムを完全に"
                                            "終了させてから実行してください。"),
                             QStringLiteral("注意"), platform::MsgIcon::Critical);
            platform::endProgram();
            return;
        }
        show();
        // Showing the window makes it active.
        activatePending_ = false;
        activate();
        if (platform::programEnding()) return;
        refreshNameList();
        if (platform::programEnding()) return;
        title_->setFont(platform::programFont(kGothic, 48, true));
        title_->setText(shared.drillTitle);
        names_->setCurrentRow(0);
        onListClick(0);
        platform::doEvents();
        waitPanel_->hide();
        names_->setFocus();
        keep = !platform::programEnding();
    });
    return keep;
}

void NameSelection::recoverRosterFile() {
    recoverRoster();
}

void NameSelection::refreshNameList() {
    buildStatistics();
    platform::doEvents();
    if (platform::programEnding()) return;
    names_->clear();
    sortKeys_->clear();
    rowTexts_->clear();
    spareList_->clear();
    names_->addItem(kHeaderRow);

    std::vector<QString> rows;
    const bool loaded = loadRoster([&](const RosterEntry& entry, const QString&) {
        rows.push_back(
            sortRow(entry, gradeOf(entry.birthYear), displayMode_, figuresOf(entry.studentNo)));
    });
    if (!loaded) return;
    sortRows(rows);

    const QString group = gradeGroup_->currentText();
    for (const QString& row : rows) {
        sortKeys_->addItem(row);
        const int grade = shared.currentSchoolYear - sortRowBirthYear(row) - 6;
        if (gradeInGroup(grade, group)) {
            names_->addItem(displayText(row));
            rowTexts_->addItem(numberedText(row));
        }
    }
    names_->setCurrentRow(0);
}

void NameSelection::activate() {
    if (platform::programEnding()) return;
    recoverRosterFile();
    names_->setCurrentRow(-1);
    names_->clearSelection();
    printButton_->hide();
    displayMode_ = 1;
    {
        const QSignalBlocker block(modeOptions_[1]);
        modeOptions_[1]->setChecked(true);
    }
    onDisplayMode(1);
    if (platform::programEnding()) return;
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) picture_->setPixmap(icon.pixmap(picture_->size()));
    shared.gradeGroupFilter = QStringLiteral("全学年");
    screens::closeHomeScreen();
    chosenName_->setText(kPrompt);
    chosenName_->show();
    platform::doEvents();
    waitPanel_->hide();
}

bool NameSelection::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && activatePending_ && !platform::programEnding()) {
        activatePending_ = false;
        platform::guarded([&] { activate(); });
    }
    return QMainWindow::event(e);
}

void NameSelection::focusWindowChanged(QWindow* window) {
    // Another window of the program in front (help, version, name change) makes the next
    // activation run the activation sequence again; menus and drop-down lists do not.
    if (!window || window == windowHandle()) return;
    const Qt::WindowType type = window->type();
    if (type == Qt::Popup || type == Qt::ToolTip) return;
    activatePending_ = true;
}

bool NameSelection::eventFilter(QObject* watched, QEvent* e) {
    // Keys reach the window before its controls (menus keep theirs).
    if (e->type() != QEvent::KeyPress || qobject_cast<QMenu*>(watched))
        return QMainWindow::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    if (watched == names_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                              key->key() == Qt::Key_Space)) {
        platform::guarded([&] { signIn(); });
        return true;
    }
    if (key->text() == QStringLiteral("1") && !okButton_->isHidden()) {
        platform::guarded([&] { signIn(); });
        return true;
    }
    if (key->text() == QStringLiteral("0") && !endButton_->isHidden()) {
        platform::guarded([&] { endToLauncher(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void NameSelection::onListClick(int row) {
    if (row <= 0 || row >= names_->count()) {
        chosenName_->setText(kPrompt);
        return;
    }
    chosenName_->setText(clickSelectionText(names_->item(row)->text()));
    if (QListWidgetItem* numbered = rowTexts_->item(row - 1))
        chosenNumber_->setText(numberAfterStar(numbered->text()));
}

void NameSelection::onListDoubleClick(int row) {
    if (row <= 0 || row >= names_->count()) {
        onListClick(row);
        return;
    }
    chosenName_->setText(doubleClickSelectionText(names_->item(row)->text()));
    if (QListWidgetItem* numbered = rowTexts_->item(row - 1))
        chosenNumber_->setText(numberAfterStar(numbered->text()));
    signIn();
}

void NameSelection::onGroupChosen(int index) {
    shared.gradeGroupFilter = gradeGroup_->itemText(index);
    refreshNameList();
    names_->setFocus();
}

void NameSelection::onDisplayMode(int mode) {
    displayMode_ = mode;
    refreshNameList();
}

void NameSelection::signIn() {
    if (platform::programEnding()) return;
    const QString selected = chosenName_->text();
    const double no = platform::leadingNumber(chosenNumber_->text());
    if (selected == kPrompt || selected.isEmpty() || no < 0 || no > kMaxStudent) {
        playSection(soundNoName);
        return;
    }
    shared.signInSeconds =
        static_cast<double>(platform::roundHalfEven(platform::secondsSinceMidnight()));
    shared.signInMonotonicMs = platform::clock().monotonicMs();
    shared.currentStudentNo = static_cast<qint16>(no);
    shared.currentStudentName = shared.studentNames[shared.currentStudentNo];
    shared.currentGradeLabel = shared.studentGradeLabels[shared.currentStudentNo];
    okButton_->hide();
    waitPanel_->show();
    waitPanel_->raise();
    platform::doEvents();
    if (platform::programEnding()) return;
    // Shows the home screen, which closes this window.
    catalogue::openCourse();
}

void NameSelection::endToLauncher() {
    const QString launcher = shared.programFolder + QStringLiteral("../起動/プログラムメニュー");
    const QStringList arguments{QStringLiteral("001")};
    bool started = false;
#ifndef Q_OS_WIN
    // An installation outside Windows may carry the launcher without the extension.
    if (QFileInfo(launcher).isFile()) started = platform::shell().startProgram(launcher, arguments);
#endif
    if (!started) platform::shell().startProgram(launcher + QStringLiteral(".exe"), arguments);
    // The program ends whether or not the launcher could be started.
    platform::endProgram();
}

void NameSelection::changeNames() {
    // The name-change window takes over; without one this window stays.
    if (screens::showNameChange()) close();
}

void NameSelection::showHelpPage(const char* page) {
    shared.helpUrl = catalogue::helpSite() + QString::fromLatin1(page);
    screens::showHelpBrowser();
}

void NameSelection::openHomePage() {
    // The contents page of the program's own help stands in for the maker's home page.
    platform::shell().openUrl(catalogue::helpHomePage());
}

void installNameSelectionHooks() {
    screens::hooks().showNameSelection = [] {
        if (NameSelection* open = NameSelection::current()) {
            open->show();
            open->raise();
            open->activateWindow();
            return;
        }
        QPointer<NameSelection> window = new NameSelection;
        currentWindow() = window;
        // A window closed while it loads may be gone already.
        if (!window->load() && window && !window->isVisible()) {
            currentWindow() = nullptr;
            delete window.data();
        }
    };
    screens::hooks().closeNameSelection = [] {
        if (NameSelection* open = NameSelection::current()) {
            currentWindow() = nullptr;
            open->close();
        }
    };
}
