#include "widgets/controls_gui.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "platform/geometry.h"
#include "platform/messages.h"

namespace widgets {

QFont gothicFont(double points, bool bold) {
    return platform::programFont(kGothic, points, bold);
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/narabitouch.png").arg(size), QSize(size, size));
    return icon;
}

void setProgramTitle(QWidget* window) {
    window->setWindowTitle(platform::kMakerName);
}

void setBackground(QWidget* widget, const QColor& back, bool fill) {
    if (fill) widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, back);
    widget->setPalette(pal);
}

void setTextColor(QWidget* widget, const QColor& text) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

void setColors(QWidget* widget, const QColor& back, const QColor& text, bool fill) {
    if (fill) widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(gothicFont(points, bold));
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                        double points, bool bold) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(points, bold));
    button->setGeometry(geometry);
    return button;
}

}  // namespace widgets
