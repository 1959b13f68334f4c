#include "widgets/screen_navigator_gui.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "platform/program.h"

namespace {

ScreenFlow g_idleFlow;
ScreenFlow* g_flow = &g_idleFlow;

const char* const kRetired = "narabiRetired";

// Retired windows wait here until no handler runs.
std::vector<QPointer<QWidget>>& retiredWindows() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

void deleteRetiredWindows() {
    if (platform::handlersRunning() > 0) {
        QTimer::singleShot(10, deleteRetiredWindows);
        return;
    }
    auto windows = std::move(retiredWindows());
    retiredWindows().clear();
    for (const QPointer<QWidget>& w : windows) delete w.data();
}

}  // namespace

ScreenFlow& screenFlow() {
    return *g_flow;
}

void setScreenFlow(ScreenFlow* flow) {
    g_flow = flow ? flow : &g_idleFlow;
}

LockedLogWait lockedLogWait() {
    return {[] { screenFlow().showWaitWindow(); }, [] { screenFlow().closeWaitWindow(); }};
}

void retireWindow(QWidget* window) {
    if (!window || window->property(kRetired).toBool()) return;
    window->setProperty(kRetired, true);
    window->hide();
    if (retiredWindows().empty()) QTimer::singleShot(0, deleteRetiredWindows);
    retiredWindows().emplace_back(window);
}

bool windowGone(const QWidget* window) {
    return !window || window->property(kRetired).toBool();
}

bool mustStop(const QWidget* window) {
    return windowGone(window) || platform::programEnding();
}

void handleClose(QWidget* window, QCloseEvent* event, std::function<void()> wayOut) {
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    if (!wayOut || mustStop(window)) return;
    QPointer<QWidget> self(window);
    QTimer::singleShot(0, window, [self, wayOut = std::move(wayOut)] {
        if (!mustStop(self)) platform::guarded(wayOut);
    });
}
