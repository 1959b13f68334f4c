#include "widgets/wait_window_gui.h"

#include <QCloseEvent>
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
    message_ = new QLabel(QStringLiteral("Just a moment, please."), this);
    message_->setObjectName(QStringLiteral("Label19"));
    message_->setFont(widgets::gothicFont(14, true));
    message_->setAlignment(Qt::AlignCenter);
    // The message in the middle of the design, which stands centred on the screen.
    constexpr int width = 4800, height = 1200;
    message_->setGeometry(platform::twRect((widgets::kScreenWidth - width) / 2,
                                           (widgets::kScreenHeight - height) / 2, width, height));
    // It stands in for the screens of the main flow between two of them, on the same screen.
    platform::coverScreen(this);
}

void WaitWindow::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) event->ignore();
}
