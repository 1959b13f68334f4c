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

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Shape1"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setLineWidth(2);
    frame_->setGeometry(twRect(150, 150, 5100, 2100));
    title_ = centredLabel(this, "Label1", twRect(300, 300, 4800, 700), 20, true);
    version_ = centredLabel(this, "Label2", twRect(300, 1050, 4800, 450), 12, false);
    maker_ = centredLabel(this, "Label4", twRect(300, 1600, 4800, 450), 12, true);
    okButton_ = new QPushButton(QStringLiteral("O.K."), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(twRect(1950, 2450, 1500, 600));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
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
    title_->setText(state::settings().drillTitle);
    version_->setText(versionText(programVersion()));
    maker_->setText(platform::kMakerName);
}

void VersionDialog::showOver(QWidget* owner) {
    VersionDialog dialog(owner);
    if (owner) dialog.move(dialog.centredOn(owner->frameGeometry()));
    dialog.exec();
}
