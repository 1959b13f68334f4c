#include "platform/full_screen_gui.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "platform/geometry.h"

namespace platform {

namespace {

const QString kDesignAreaName = QStringLiteral("designArea");

// Holds the controls of a full-screen window and keeps itself centred in the window,
// whatever size the window system gives the window.
class DesignArea : public QWidget {
  public:
    explicit DesignArea(QWidget* host) : QWidget(host) {
        setObjectName(kDesignAreaName);
        resize(designSize());
        window()->installEventFilter(this);
    }

    void setBackdrop(QWidget* backdrop) { backdrop_ = backdrop; }

    void centre() {
        move(designOrigin(window()->size(), size()));
        if (backdrop_) backdrop_->setGeometry(parentWidget()->rect());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window() && event->type() == QEvent::Resize) centre();
        return false;
    }

  private:
    QPointer<QWidget> backdrop_;
};

QWidget* hostOf(QWidget* window) {
    auto* main = qobject_cast<QMainWindow*>(window);
    return main && main->centralWidget() ? main->centralWidget() : window;
}

// Moves the controls of the host into a new design area, keeping their places (in design
// coordinates), their stacking and whether they were hidden.
DesignArea* makeDesignArea(QWidget* host, QWidget* backdrop) {
    const QObjectList children = host->children();
    auto* area = new DesignArea(host);
    area->setBackdrop(backdrop);
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || widget == backdrop) continue;
        const QRect geometry = widget->geometry();
        const bool hidden =
            widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
        widget->setParent(area);
        widget->setGeometry(geometry);
        if (hidden) widget->hide();
    }
    return area;
}

}  // namespace

QWidget* designArea(QWidget* window) {
    return hostOf(window)->findChild<QWidget*>(kDesignAreaName, Qt::FindDirectChildrenOnly);
}

QRect screenInUse() {
    QScreen* screen = nullptr;
    if (QWidget* active = QApplication::activeWindow()) screen = active->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(QPoint(0, 0), designSize());
}

void centreOver(QWidget* window, const QWidget* owner) {
    const QRect area =
        owner && owner != window && owner->isVisible() ? owner->frameGeometry() : screenInUse();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void coverScreenArea(QWidget* window, const QRect& area, QWidget* backdrop) {
    auto* design = static_cast<DesignArea*>(designArea(window));
    if (!design) design = makeDesignArea(hostOf(window), backdrop);
    const DesignPlacement placed = placeDesign(area, designSize());
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setGeometry(placed.window);
    design->centre();
}

void coverScreen(QWidget* window, QWidget* backdrop) {
    const QRect area = screenInUse();
    coverScreenArea(window, area, backdrop);
    // Where the screen holds the design, the window system is asked for the full screen
    // too, so that no frame or panel stands over the window.
    const QSize design = designSize();
    if (area.width() >= design.width() && area.height() >= design.height())
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
}

}  // namespace platform
