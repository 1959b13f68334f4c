#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The look every window of the program shares: title, screen size, font, colours and
// the factories of its labels and buttons.
namespace widgets {

// The program's gothic font family, served by a metric-compatible font (see
// platform::installFontSubstitutes).
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// A full screen in twips: 1024 x 768 pixels at 15 twips to the pixel.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;

// The gothic font at a point size (scaled with the screen).
QFont gothicFont(double points, bool bold = false);

// The program's icon (48, 128 and 256 pixels), the icon of every window.
QIcon programIcon();

// Gives a window the program's title (the maker's name).
void setProgramTitle(QWidget* window);

// Palette colours of a widget. With `fill` the widget paints its own background (a child
// widget; a window always does).
void setBackground(QWidget* widget, const QColor& back, bool fill = false);
void setTextColor(QWidget* widget, const QColor& text);
void setColors(QWidget* widget, const QColor& back, const QColor& text, bool fill = false);

// A label in the gothic font at the given point size, named for the tests.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points = 10.5, bool bold = false);

// A push button in the gothic font at the given point size, named for the tests.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                        double points = 10.5, bool bold = false);

}  // namespace widgets
