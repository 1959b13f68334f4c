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

// Fonts: "ＭＳ ゴシック" and the other Windows names are served by IPA fonts with the
// same advances. Sizes are given in points at 1024 x 768 and scaled with the screen.
void installFontSubstitutes();
QFont programFont(const QString& family, double points, bool bold = false);

}  // namespace platform
