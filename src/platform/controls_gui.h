#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace platform {

// A label in the program's gothic font at the given point size, named for the tests.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points = 10.5, bool bold = false);

}  // namespace platform
