#include "app/program_flow_gui.h"

#include <QApplication>
#include <QTimer>

#include "app/version_dialog_gui.h"
#include "drill/drill_screen_gui.h"
#include "endscreen/end_screen_gui.h"
#include "help/help_browser_gui.h"
#include "home/home_screen_gui.h"
#include "home/record_list_area_gui.h"
#include "platform/full_screen_gui.h"
#include "platform/program.h"
#include "records/progress_report_gui.h"
#include "roster/name_change_gui.h"
#include "roster/name_selection_gui.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"
#include "widgets/program_state.h"
#include "widgets/wait_window_gui.h"

namespace {

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// Runs `then` on the window once the window system has shown it, unless it has made way
// by then.
template <class Window>
void whenShown(Window* window, void (Window::*then)()) {
    // The window is the timer's context: a window deleted by then takes the call with it.
    QTimer::singleShot(0, window, [window, then] {
        if (!windowGone(window)) (window->*then)();
    });
}

}  // namespace

ProgramFlow::ProgramFlow(ProgramState& state)
    : state_(state), listChoices_(std::make_shared<RecordListChoices>()) {}

ProgramFlow::~ProgramFlow() {
    // What is still open goes with the flow, and so do the retired screens not yet deleted.
    for (const QPointer<QWidget>& window : std::as_const(retired_)) delete window.data();
    delete waitWindow_.data();
    delete report_.data();
    delete help_.data();
    delete nameChange_.data();
    delete end_.data();
    delete drill_.data();
    delete home_.data();
    delete nameSelection_.data();
}

template <class Window>
void ProgramFlow::retire(QPointer<Window>& slot) {
    Window* window = slot.data();
    slot = nullptr;
    if (!window) return;
    retired_.removeAll(nullptr);
    retired_.append(window);
    retireWindow(window);
}

void ProgramFlow::retireRunScreens() {
    retire(drill_);
    retire(end_);
}

void ProgramFlow::retireNameChange() {
    retire(nameChange_);
}

void ProgramFlow::showNameSelection() {
    retireNameChange();
    if (nameSelection_) {
        bringToFront(nameSelection_);
        whenShown(nameSelection_.data(), &NameSelection::activate);
        return;
    }
    nameSelection_ = new NameSelection(state_, *this);
    // A window closed while it loads may be retired already.
    if (!nameSelection_->load() && nameSelection_ && !nameSelection_->isVisible())
        retire(nameSelection_);
    closeWaitWindow();
}

void ProgramFlow::closeNameSelection() {
    retire(nameSelection_);
}

void ProgramFlow::showHomeScreen() {
    retireRunScreens();
    if (!home_) home_ = new HomeScreen(state_, *this);
    home_->keepListChoicesIn(listChoices_);
    bringToFront(home_);
    whenShown(home_.data(), &HomeScreen::activate);
}

void ProgramFlow::closeHomeScreen() {
    retire(home_);
}

void ProgramFlow::startDrill(int level) {
    retireRunScreens();
    drill_ = new DrillScreen(state_, *this, level);
    drill_->show();
}

void ProgramFlow::showEndScreen(const RunOutcome& outcome) {
    const RunOutcome run = outcome;  // it may live in the drill screen that makes way
    retireRunScreens();
    end_ = new EndScreen(state_, *this, run);
    bringToFront(end_);
    whenShown(end_.data(), &EndScreen::evaluate);
}

void ProgramFlow::showWaitWindow() {
    if (!waitWindow_) waitWindow_ = new WaitWindow;
    waitWindow_->show();
    waitWindow_->raise();
    waitWindow_->repaint();
}

void ProgramFlow::closeWaitWindow() {
    // A closed window goes with its full-screen picture; the next wait makes a new one on
    // the screen in use then.
    if (WaitWindow* window = waitWindow_.data()) {
        waitWindow_ = nullptr;
        window->hide();
        window->deleteLater();
    }
}

NameSelection* ProgramFlow::nameSelection() const {
    return nameSelection_;
}

HomeScreen* ProgramFlow::homeScreen() const {
    return home_;
}

DrillScreen* ProgramFlow::drillScreen() const {
    return drill_;
}

EndScreen* ProgramFlow::endScreen() const {
    return end_;
}

NameChangeWindow* ProgramFlow::nameChangeWindow() const {
    return nameChange_;
}

HelpBrowser* ProgramFlow::helpBrowser() const {
    return help_;
}

ProgressReportWindow* ProgramFlow::progressReport() const {
    return report_;
}

bool ProgramFlow::waitWindowVisible() const {
    return waitWindow_ && waitWindow_->isVisible();
}

void ProgramFlow::showHelp(const QString& address) {
    if (!help_) help_ = new HelpBrowser(*this);
    if (!help_->isVisible()) platform::centreOver(help_, QApplication::activeWindow());
    help_->showAndLoad(address);
}

void ProgramFlow::closeHelp(bool backToList) {
    retire(help_);
    // Nothing else brings the list back to the front where no window manager runs.
    if (backToList && nameSelection_ && nameSelection_->isVisible() && !platform::programEnding()) {
        bringToFront(nameSelection_);
        whenShown(nameSelection_.data(), &NameSelection::activate);
    }
}

void ProgramFlow::showVersionDialog() {
    QWidget* owner =
        nameSelection_ && nameSelection_->isVisible() ? nameSelection_.data() : nullptr;
    VersionDialog::showOver(owner);
}

void ProgramFlow::showProgressReport(int firstStudent, QWidget* over) {
    report_ = openProgressReport(report_.data(), state::settings(), state::roster(),
                                 state::course(), firstStudent, over, lockedLogWait(*this));
}

bool ProgramFlow::showNameChange() {
    if (!nameChange_) nameChange_ = new NameChangeWindow(*this);
    try {
        nameChange_->load();
    } catch (...) {
        if (nameChange_ && !nameChange_->isVisible()) retire(nameChange_);
        throw;
    }
    if (!nameChange_) return false;
    if (!nameChange_->isVisible()) platform::centreOver(nameChange_, QApplication::activeWindow());
    bringToFront(nameChange_);
    // The name-change window takes the name selection's place.
    closeNameSelection();
    return true;
}
