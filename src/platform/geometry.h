#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace platform {

// Screen geometry is given in twips: 15 twips to a pixel on a 1024 x 768 screen. On a
// larger screen everything is scaled by one factor that keeps the aspect.
int tw(int twips);
QRect twRect(int left, int top, int width, int height);
double screenScale();
void setScreenScale(double scale);
// The factor for a screen of the given size: 1 up to 1024 x 768, larger screens fill
// their width or height, whichever comes first.
double scaleForScreen(const QSize& screen);

// The main screens are laid out on one 1024 x 768 design (15360 x 11520 twips), scaled.
QSize designSize();
// Where a full-screen window and its design stand on a screen area: the window covers the
// area and the design stands centred in it. On a screen smaller than the design in either
// direction the window keeps the design's size at the area's top left, as it always did.
struct DesignPlacement {
    QRect window;         // in screen coordinates
    QPoint designOrigin;  // the design's top left, in window coordinates
};
DesignPlacement placeDesign(const QRect& area, const QSize& design);
// The design's top left in a window of the given size: centred, never left of or above it.
QPoint designOrigin(const QSize& window, const QSize& design);

// Fonts: "ＭＳ ゴシック" and the other Windows names are served by IPA fonts with the
// same advances. Sizes are given in points at 1024 x 768 and scaled with the screen.
void installFontSubstitutes();
QFont programFont(const QString& family, double points, bool bold = false);

}  // namespace platform
