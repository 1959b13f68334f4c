#include "roster/name_selection_gui.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "course/catalogue.h"
#include "course/grades.h"
#include "platform/clock.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/local_folders.h"
#include "platform/messages.h"
#include "platform/numeric.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "results/statistics.h"
#include "roster/name_list.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/pending_runs_line_gui.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

namespace {

const QString kPrompt = QStringLiteral("名前を選びなさい");
const QString kHeaderRow = QStringLiteral("－－－－－－");

// Takes the program's instance lock, kept in `state` to the end of the run (a new key
// takes a new lock). Empty when acquired; otherwise why not (the lock file's failure, or
// "" for another copy).
std::optional<QString> acquireInstanceLock(ProgramState& state) {
    const QString key = NameSelection::instanceKey();
    if (!state.instanceLock || state.instanceLockKey != key) {
        state.instanceLock.reset();
        state.instanceLock = std::make_unique<platform::SingleInstance>(key);
        state.instanceLockKey = key;
    }
    if (state.instanceLock->acquired()) return std::nullopt;
    return state.instanceLock->failure();
}

StudentFigures figuresOf(ResultsTables& t, int studentNo) {
    StudentFigures f;
    for (int level = 1; level <= kMaxLevel; ++level) {
        f.todayCount += t.todayCount(level, studentNo);
        f.todayPoints += t.todayPoints(level, studentNo);
        f.attempts += t.attempts(level, studentNo);
        f.totalPoints += t.totalPoints(level, studentNo);
    }
    return f;
}

}  // namespace

NameSelection::NameSelection(ProgramState& state, ScreenFlow& flow) : state_(state), flow_(flow) {
    setObjectName(QStringLiteral("namesel"));
    widgets::setProgramTitle(this);
    setFixedSize(platform::twRect(0, 0, 15360, 11520).size());
    buildControls();
    connectControls();
    buildMenus();
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    platform::coverScreen(this);
}

NameSelection::~NameSelection() = default;

QString NameSelection::prompt() {
    return kPrompt;
}

void NameSelection::closeEvent(QCloseEvent* event) {
    // The window's close is its "終了".
    handleClose(this, event, [this] { endToLauncher(); });
}

QString NameSelection::instanceKey() {
    // One folder reached by two paths (a symbolic link) is one program.
    return platform::canonicalPath(state::settings().programFolder);
}

void NameSelection::connectControls() {
    for (int i = 0; i < 4; ++i) {
        connect(modeOptions_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) onDisplayMode(i);
        });
    }
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) { onListClick(row); });
    connect(names_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onListClick(names_->row(item)); });
    connect(names_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onListDoubleClick(names_->row(item)); });
    connect(gradeGroup_, &QComboBox::activated, this, [this](int) { onGroupChosen(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { signIn(); });
    connect(endButton_, &QPushButton::clicked, this, [this] { endToLauncher(); });
    connect(nameChangeButton_, &QPushButton::clicked, this, [this] { changeNames(); });
    connect(help1Button_, &QPushButton::clicked, this, [this] { showHelpPage("/helpmenu.htm"); });
    connect(help2Button_, &QPushButton::clicked, this,
            [this] { flow_.showHelp(catalogue::helpAddress()); });
}

void NameSelection::buildMenus() {
    auto addAction = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [handler] { handler(); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("file"));
    file->setObjectName(QStringLiteral("menufile"));
    addAction(file, "menuname", QStringLiteral("名前の変更"), [this] { changeNames(); });
    addAction(file, "menureport", QStringLiteral("成績の記録…"),
              [this] { flow_.showProgressReport(0, this); });
    addAction(file, "menuend", QStringLiteral("終了"), [this] { endToLauncher(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("menuHelp0"));
    addAction(help, "menuhelp1", QStringLiteral("使用法の説明１"),
              [this] { showHelpPage("/helpmenu.htm"); });
    addAction(help, "menuhelp2", QStringLiteral("使用法の説明２"),
              [this] { flow_.showHelp(catalogue::helpAddress()); });
    help->addSeparator();
    addAction(help, "menuspt", QStringLiteral("バージョン情報"),
              [this] { flow_.showVersionDialog(); });
    help->addSeparator();
    addAction(help, "mnmale", QStringLiteral("お問い合わせ"),
              [this] { showHelpPage("/formmail2/form1.html"); });
    addAction(help, "menuQMK5", QStringLiteral("Quillmark5ホームページ"),
              [this] { openHomePage(); });
}

bool NameSelection::load() {
    colourBackground();
    waitPanel_->move(0, 0);
    waitPanel_->show();
    waitPanel_->raise();
    platform::seedFromClock();
    // A second copy is refused before anything is shown or read.
    const std::optional<QString> refused = acquireInstanceLock(state_);
    if (refused && !refused->isEmpty()) {
        platform::msgBox(
            QStringLiteral("二重起動を防ぐためのファイルを作れません。\r\n\r\n") + *refused,
            QStringLiteral("注意"), platform::MsgIcon::Critical);
        platform::endProgram(1);
        return false;
    }
    if (refused) {
        platform::msgBox(QStringLiteral("このプログラムと同じプログラムがすでに起動され、"
                                        "完全に終了されていません。同じプログラムを完全に"
                                        "終了させてから実行してください。"),
                         QStringLiteral("注意"), platform::MsgIcon::Critical);
        platform::endProgram();
        return false;
    }
    show();
    activate();
    // A roster the home edition cannot take has ended the program.
    if (platform::programEnding()) return false;
    refreshNameList();
    if (platform::programEnding()) return false;
    title_->setFont(widgets::gothicFont(48, true));
    title_->setText(state::settings().drillTitle);
    names_->setCurrentRow(0);
    onListClick(0);
    waitPanel_->hide();
    names_->setFocus();
    return true;
}

void NameSelection::recoverRosterFile() {
    recoverRoster();
}

void NameSelection::refreshNameList() {
    buildStatistics(state_.tables, lockedLogWait(flow_));
    names_->clear();
    sortKeys_->clear();
    rowTexts_->clear();
    spareList_->clear();
    names_->addItem(kHeaderRow);

    std::vector<QString> rows;
    const bool loaded = loadRoster([&](const RosterEntry& entry, const QString&) {
        rows.push_back(sortRow(entry, gradeOf(entry.birthYear), displayMode_,
                               figuresOf(state_.tables, entry.studentNo)));
    });
    if (!loaded) return;
    sortRows(rows);

    const QString group = gradeGroup_->currentText();
    for (const QString& row : rows) {
        sortKeys_->addItem(row);
        const int grade = state::roster().currentSchoolYear - sortRowBirthYear(row) - 6;
        if (gradeInGroup(grade, group)) {
            names_->addItem(displayText(row));
            rowTexts_->addItem(numberedText(row));
        }
    }
    names_->setCurrentRow(0);
}

void NameSelection::activate() {
    recoverRosterFile();
    // Runs kept on this computer are added now when the family's files take them.
    pendingLine_->refresh();
    names_->setCurrentRow(-1);
    names_->clearSelection();
    printButton_->hide();
    displayMode_ = 1;
    {
        const QSignalBlocker block(modeOptions_[1]);
        modeOptions_[1]->setChecked(true);
    }
    onDisplayMode(1);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) picture_->setPixmap(icon.pixmap(picture_->size()));
    flow_.closeHomeScreen();
    chosenName_->setText(kPrompt);
    chosenName_->show();
    waitPanel_->hide();
}

bool NameSelection::eventFilter(QObject* watched, QEvent* e) {
    // Keys reach the window before its controls (menus keep theirs).
    if (e->type() != QEvent::KeyPress || qobject_cast<QMenu*>(watched))
        return QMainWindow::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    if (watched == names_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                              key->key() == Qt::Key_Space)) {
        signIn();
        return true;
    }
    if (key->text() == QStringLiteral("1") && !okButton_->isHidden()) {
        signIn();
        return true;
    }
    if (key->text() == QStringLiteral("0") && !endButton_->isHidden()) {
        endToLauncher();
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

void NameSelection::onGroupChosen() {
    refreshNameList();
    names_->setFocus();
}

void NameSelection::onDisplayMode(int mode) {
    displayMode_ = mode;
    refreshNameList();
}

void NameSelection::signIn() {
    const QString selected = chosenName_->text();
    const double no = platform::leadingNumber(chosenNumber_->text());
    if (selected == kPrompt || selected.isEmpty() || no < 0 || no > kMaxStudent) {
        state_.sounds.playSection(soundNoName);
        return;
    }
    state_.session.signInSeconds =
        static_cast<double>(platform::roundHalfEven(platform::secondsSinceMidnight()));
    state_.session.signInMonotonicMs = platform::clock().monotonicMs();
    state_.session.currentStudentNo = static_cast<qint16>(no);
    state_.session.currentStudentName =
        state::roster().studentNames[state_.session.currentStudentNo];
    state_.session.currentGradeLabel =
        state::roster().studentGradeLabels[state_.session.currentStudentNo];
    okButton_->hide();
    waitPanel_->show();
    waitPanel_->raise();
    waitPanel_->repaint();
    // The home screen closes this window as it becomes active.
    catalogue::fillLevelTables();
    flow_.showHomeScreen();
}

void NameSelection::endToLauncher() {
    const QString launcher =
        state::settings().programFolder + QStringLiteral("../起動/プログラムメニュー");
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
    // The name-change window takes this window's place; without one this window stays.
    flow_.showNameChange();
}

void NameSelection::showHelpPage(const char* page) {
    flow_.showHelp(catalogue::helpSite() + QString::fromLatin1(page));
}

void NameSelection::openHomePage() {
    // The contents page of the program's own help stands in for the maker's home page.
    platform::openInBrowser(catalogue::helpHomePage());
}
