#include "app/version_dialog_gui.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/version.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"

namespace {

QLabel* centredLabel(QWidget* parent, const char* name, const QRect& rect, double points,
                     bool bold) {
    QLabel* label =
        widgets::makeLabel(parent, QString::fromLatin1(name), QString(), rect, points, bold);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
    using platform::twRect;
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);
    setFixedSize(twRect(0, 0, 5400, 3300).size());

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(2);
    Shape1->setGeometry(twRect(150, 150, 5100, 2100));
    Label1 = centredLabel(this, "Label1", twRect(300, 300, 4800, 700), 20, true);
    Label2 = centredLabel(this, "Label2", twRect(300, 1050, 4800, 450), 12, false);
    Label4 = centredLabel(this, "Label4", twRect(300, 1600, 4800, 450), 12, true);
    Command1 = new QPushButton(QStringLiteral("O.K."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twRect(1950, 2450, 1500, 600));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

QPoint VersionDialog::centredOn(const QRect& windowFrame) const {
    // Placed by the sizes alone; a window smaller than the dialog gives negative offsets,
    // and the dialog is shown there all the same.
    return {windowFrame.left() + (windowFrame.width() - width()) / 2,
            windowFrame.top() + (windowFrame.height() - height()) / 2};
}

void VersionDialog::showEvent(QShowEvent* event) {
    fill();
    QDialog::showEvent(event);
}

void VersionDialog::fill() {
    Label1->setText(state::settings().drillTitle);
    Label2->setText(versionText(programVersion()));
    Label4->setText(platform::kMakerName);
}

void VersionDialog::showOver(QWidget* owner) {
    VersionDialog dialog(owner);
    if (owner) dialog.move(dialog.centredOn(owner->frameGeometry()));
    dialog.exec();
}
