#include "app/wait_window_gui.h"

#include <QLabel>
#include <QPointer>

#include "app/screens.h"
#include "app/shared_state.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/program.h"

WaitWindow::WaitWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BASEFRM"));
    setWindowTitle(QStringLiteral("Quillmark5"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(shared.screenBackColor));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    resize(platform::tw(4800), platform::tw(1200));
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setFont(platform::programFont(QStringLiteral("ＭＳ ゴシック"), 14, true));
    Label19->setAlignment(Qt::AlignCenter);
    Label19->setGeometry(rect());
    // In the middle of the screen the screens of the main flow cover.
    move(platform::screenInUse().center() - rect().center());
}

namespace {
QPointer<WaitWindow> g_waitWindow;
}

void popUpWaitWindow() {
    if (!g_waitWindow) g_waitWindow = new WaitWindow;
    g_waitWindow->show();
    g_waitWindow->raise();
    platform::doEvents();
}

void hideWaitWindow() {
    if (g_waitWindow) g_waitWindow->hide();
}

bool waitWindowVisible() {
    return g_waitWindow && g_waitWindow->isVisible();
}

void installWaitWindowHooks() {
    screens::hooks().showWaitWindow = popUpWaitWindow;
    screens::hooks().closeWaitWindow = hideWaitWindow;
}
