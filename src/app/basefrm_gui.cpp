#include "app/basefrm_gui.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include "app/hensuu1.h"
#include "app/screens.h"
#include "platform/geometry.h"
#include "platform/program.h"

BASEFRM::BASEFRM(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BASEFRM"));
    setWindowTitle(QStringLiteral("Quillmark5"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(hensuu1.screenBackColor));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    resize(platform::tw(4800), platform::tw(1200));
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setFont(platform::programFont(QStringLiteral("ＭＳ ゴシック"), 14, true));
    Label19->setAlignment(Qt::AlignCenter);
    Label19->setGeometry(rect());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
}

namespace {
QPointer<BASEFRM> g_baseFrm;
}

void showBaseFrm() {
    if (!g_baseFrm) g_baseFrm = new BASEFRM;
    g_baseFrm->show();
    g_baseFrm->raise();
    platform::doEvents();
}

void closeBaseFrm() {
    if (g_baseFrm) g_baseFrm->hide();
}

bool baseFrmVisible() {
    return g_baseFrm && g_baseFrm->isVisible();
}

void installWaitWindowHooks() {
    screens::hooks().showWaitWindow = showBaseFrm;
    screens::hooks().closeWaitWindow = closeBaseFrm;
}
