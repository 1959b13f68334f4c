#include "widgets/screen_navigator_gui.h"

#include <QCloseEvent>
#include <QTimer>

#include "platform/program.h"

namespace {

const char* const kRetired = "narabiRetired";

}  // namespace

LockedLogWait lockedLogWait(ScreenFlow& flow) {
    return {[&flow] { flow.showWaitWindow(); }, [&flow] { flow.closeWaitWindow(); }};
}

void retireWindow(QWidget* window) {
    if (!window || window->property(kRetired).toBool()) return;
    window->setProperty(kRetired, true);
    window->hide();
    // Deleted once control is back in the event loop, never under a handler still running
    // (a modal dialog's loop included).
    window->deleteLater();
}

bool windowGone(const QWidget* window) {
    return !window || window->property(kRetired).toBool();
}

void handleClose(QWidget* window, QCloseEvent* event, std::function<void()> wayOut) {
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    if (!wayOut) return;
    // The way out is taken from the event loop, as a click on it would be.
    QTimer::singleShot(0, window, std::move(wayOut));
}
