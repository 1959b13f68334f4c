#include "widgets/wait_window_gui.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>

#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"

WaitWindow::WaitWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BASEFRM"));
    widgets::setProgramTitle(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
    widgets::setColors(this, QColor(state::settings().screenBackColor), Qt::white, true);
    resize(platform::tw(4800), platform::tw(1200));
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setFont(widgets::gothicFont(14, true));
    Label19->setAlignment(Qt::AlignCenter);
    Label19->setGeometry(rect());
    // In the middle of the screen the screens of the main flow cover.
    move(platform::screenInUse().center() - rect().center());
}

void WaitWindow::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) event->ignore();
}
