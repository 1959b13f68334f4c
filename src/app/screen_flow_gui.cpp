#include "app/screen_flow_gui.h"

#include <QTimer>

#include "app/version_dialog_gui.h"
#include "drill/drill_screen_gui.h"
#include "endscreen/end_screen_gui.h"
#include "help/help_browser_gui.h"
#include "home/home_screen_gui.h"
#include "home/record_list_area_gui.h"
#include "platform/full_screen_gui.h"
#include "platform/program.h"
#include "roster/name_change_gui.h"
#include "roster/name_selection_gui.h"
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
    QTimer::singleShot(0, window, [window, then] {
        if (!windowGone(window)) (window->*then)();
    });
}

}  // namespace

ProgramFlow::ProgramFlow() : listChoices_(std::make_shared<RecordListChoices>()) {}

ProgramFlow::~ProgramFlow() {
    delete waitWindow_.data();
}

void ProgramFlow::showNameSelection() {
    if (NameSelection* open = openWindow<NameSelection>()) {
        bringToFront(open);
        return;
    }
    auto* window = new NameSelection;
    if (!window->load() && !window->isVisible()) retireWindow(window);
    closeWaitWindow();
}

void ProgramFlow::closeNameSelection() {
    retireWindow(openWindow<NameSelection>());
}

void ProgramFlow::showHomeScreen() {
    HomeScreen* home = openWindow<HomeScreen>();
    if (!home) home = new HomeScreen;
    home->keepListChoicesIn(listChoices_);
    bringToFront(home);
    whenShown(home, &HomeScreen::activate);
}

void ProgramFlow::closeHomeScreen() {
    retireWindow(openWindow<HomeScreen>());
}

void ProgramFlow::startDrill(int level) {
    retireWindow(openWindow<DrillScreen>());
    auto* drill = new DrillScreen(level);
    drill->show();
}

void ProgramFlow::showEndScreen(const RunOutcome& outcome) {
    retireWindow(openWindow<EndScreen>());
    auto* end = new EndScreen(outcome);
    bringToFront(end);
    whenShown(end, &EndScreen::evaluate);
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

bool ProgramFlow::waitWindowVisible() const {
    return waitWindow_ && waitWindow_->isVisible();
}

void ProgramFlow::showHelp(const QString& address) {
    HelpBrowser* help = openWindow<HelpBrowser>();
    if (!help) help = new HelpBrowser;
    if (!help->isVisible()) platform::centreOver(help, QApplication::activeWindow());
    help->showAndLoad(address);
}

void ProgramFlow::showVersionDialog() {
    QWidget* owner = openWindow<NameSelection>();
    VersionDialog::showOver(owner && owner->isVisible() ? owner : nullptr);
}

bool ProgramFlow::showNameChange() {
    NameChangeWindow* window = openWindow<NameChangeWindow>();
    if (!window) window = new NameChangeWindow;
    try {
        window->load();
    } catch (...) {
        if (!window->isVisible()) retireWindow(window);
        throw;
    }
    if (!window->isVisible()) platform::centreOver(window, QApplication::activeWindow());
    bringToFront(window);
    // The name-change window takes the name selection's place.
    closeNameSelection();
    return true;
}
