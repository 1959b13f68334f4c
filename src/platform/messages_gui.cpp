#include "platform/messages_gui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "platform/media.h"
#include "platform/program.h"

namespace platform {

namespace {

void setIcon(QMessageBox& box, MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::None:
            break;
    }
}

}  // namespace

void WidgetMessageBoxes::show(const QString& text, const QString& title, MsgIcon icon) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    setIcon(box, icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int WidgetMessageBoxes::choose(const QString& text, const QString& title, MsgIcon icon,
                               const QStringList& buttons) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    setIcon(box, icon);
    QList<QAbstractButton*> pressed;
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = box.addButton(buttons[i], QMessageBox::AcceptRole);
        button->setObjectName(QStringLiteral("choice%1").arg(i));
        pressed.append(button);
        if (i == buttons.size() - 1) box.setDefaultButton(button);
    }
    box.exec();
    const qsizetype i = pressed.indexOf(box.clickedButton());
    // Closed by the window manager: the default answer.
    return i < 0 ? int(buttons.size()) - 1 : int(i);
}

void installWidgetPlatform(Media* sounds) {
    static WidgetMessageBoxes boxes;
    setMessageBoxes(&boxes);
    setMedia(sounds);
    setEndHandler([](int code) {
        // The end may come while a screen is still being built, with its code further up
        // the stack: the windows are closed but not deleted (events that still run would
        // otherwise delete them under that code); the process ends soon after.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            (*it)->setAttribute(Qt::WA_DeleteOnClose, false);
            (*it)->close();
        }
        QCoreApplication::exit(code);
    });
}

}  // namespace platform
