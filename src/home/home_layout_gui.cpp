#include "home/home_layout_gui.h"

#include <QPushButton>

#include "platform/geometry.h"

namespace homelayout {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                        double points) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(platform::programFont(kGothic, points));
    button->setGeometry(geometry);
    return button;
}

QString indexed(const char* name, int index) {
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

}  // namespace homelayout
