#include "platform/geometry.h"

#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

double g_scale = 1.0;

// The family to ask for: the Windows one where it is installed, else its metric-compatible
// stand-in by name. Asked for a family it does not have, the font system sorts every
// installed font for each size and weight (a fifth of the start-up); asked for the stand-in
// it goes straight to it.
QString installedFamily(const QString& family) {
    static QHash<QString, QString> chosen;
    auto it = chosen.constFind(family);
    if (it == chosen.cend()) {
        const QString standIn = QFont::substitute(family);
        it = chosen.insert(
            family, standIn == family || QFontDatabase::hasFamily(family) ? family : standIn);
    }
    return *it;
}

}  // namespace

int tw(int twips) {
    return static_cast<int>(std::lround(twips / 15.0 * g_scale));
}

QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

double screenScale() {
    return g_scale;
}
void setScreenScale(double scale) {
    g_scale = scale > 0 ? scale : 1.0;
}

double scaleForScreen(const QSize& screen) {
    if (screen.width() <= 0 || screen.height() <= 0) return 1.0;
    const double s = std::min(screen.width() / 1024.0, screen.height() / 768.0);
    return std::max(1.0, s);
}

QSize designSize() {
    return twRect(0, 0, 15360, 11520).size();
}

DesignPlacement placeDesign(const QRect& area, const QSize& design) {
    // A screen too small for the design in either direction keeps a window of the design's
    // size at its top left, as it always had.
    const bool fits = area.width() >= design.width() && area.height() >= design.height();
    const QRect window(area.topLeft(), fits ? area.size() : design);
    return {window, designOrigin(window.size(), design)};
}

QPoint designOrigin(const QSize& window, const QSize& design) {
    return {std::max(0, (window.width() - design.width()) / 2),
            std::max(0, (window.height() - design.height()) / 2)};
}

void installFontSubstitutes() {
    const QString gothic = QStringLiteral("IPAGothic");
    const QString pgothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), gothic);
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), pgothic);
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}

QFont programFont(const QString& family, double points, bool bold) {
    QFont font(installedFamily(family));
    // 96 dpi: one point is 4/3 pixels. Even pixel sizes keep half- and full-width
    // characters of the fixed-pitch font in exact columns.
    int px = static_cast<int>(std::lround(points * 4.0 / 3.0 * g_scale));
    if (px % 2) ++px;
    font.setPixelSize(std::max(2, px));
    font.setBold(bold);
    return font;
}

}  // namespace platform
