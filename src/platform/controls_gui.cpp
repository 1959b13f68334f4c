#include "platform/controls_gui.h"

#include <QLabel>

#include "platform/geometry.h"

namespace platform {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(programFont(QStringLiteral("ＭＳ ゴシック"), points, bold));
    label->setGeometry(geometry);
    return label;
}

}  // namespace platform
