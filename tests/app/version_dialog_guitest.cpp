#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/version.h"
#include "app/version_dialog_gui.h"
#include "state/settings.h"

namespace {

TEST(VersionDialog, TextWithoutABlank) {
    EXPECT_EQ(versionText({1, 0, 5}), QStringLiteral("Version1.0.5"));
    EXPECT_EQ(versionText({12, 3, 40}), QStringLiteral("Version12.3.40"));
}

// Opens the dialog over a stand-in name selection of the given frame and reports what it
// shows, then presses "O.K.".
struct Shown {
    QString title, label1, label2, label4;
    QPoint position;
    QSize size;
    bool modal = false;
    QRect owner;  // the name selection's frame as it stood
};

Shown openOver(const QRect& nameSelection) {
    state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
    QWidget owner;
    owner.setObjectName(QStringLiteral("namesel"));
    owner.setGeometry(nameSelection);
    owner.show();
    Shown shown;
    const QRect ownerFrame = owner.frameGeometry();
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<VersionDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = {dialog->windowTitle(),
                 dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 dialog->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 dialog->findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 dialog->pos(),
                 dialog->size(),
                 dialog->isModal(),
                 ownerFrame};
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    VersionDialog::showOver(&owner);  // returns when "O.K." has closed it
    state::settingsAtStartUp().drillTitle.clear();
    return shown;
}

TEST(VersionDialog, ShowsTheBuildVersionCentredOnTheNameSelection) {
    const Shown shown = openOver(QRect(40, 30, 1024, 768));
    EXPECT_EQ(shown.title, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_TRUE(shown.modal);
    EXPECT_EQ(shown.label1, QStringLiteral("ならびタッチ"));
    EXPECT_EQ(shown.label2, QStringLiteral("Version" PROJECT_VERSION));
    EXPECT_EQ(shown.label4, QStringLiteral("Quillmark5"));
    // Its middle on the middle of the name selection's frame (to the pixel halved down).
    const auto middleOffset = [](const Shown& s) {
        return QRect(s.position, s.size).center() - s.owner.center();
    };
    EXPECT_LE(middleOffset(shown).manhattanLength(), 2);

    // A name selection smaller than the dialog: negative offsets, still shown.
    const Shown small = openOver(QRect(0, 0, 100, 80));
    EXPECT_LE(middleOffset(small).manhattanLength(), 2);
    EXPECT_LT(small.position.x(), 0);
}

}  // namespace
