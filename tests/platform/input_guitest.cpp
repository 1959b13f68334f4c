// Input habits of the Windows machines: Enter presses the focused button; presses that
// come during a sound wait reach the windows only when the sound has ended.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/input_gui.h"
#include "platform/media.h"
#include "platform/media_gui.h"

namespace {

struct TwoButtons {
    TwoButtons() {
        platform::installInputHabits();
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        QObject::connect(first, &QPushButton::clicked, [this] { ++firstClicks; });
        QObject::connect(second, &QPushButton::clicked, [this] { ++secondClicks; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
    QPushButton* first = new QPushButton(QStringLiteral("first"), &window);
    QPushButton* second = new QPushButton(QStringLiteral("second"), &window);
    int firstClicks = 0;
    int secondClicks = 0;
};

TEST(InputHabits, EnterAndReturnPressTheFocusedButton) {
    TwoButtons w;
    w.second->setFocus();
    QTest::keyClick(w.second, Qt::Key_Return);
    QTest::keyClick(w.second, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.secondClicks, 2);
    EXPECT_EQ(w.firstClicks, 0);
    // Space still does as well.
    QTest::keyClick(w.second, Qt::Key_Space);
    EXPECT_EQ(w.secondClicks, 3);
}

TEST(InputHabits, AMessageBoxPressesItsButtonOnce) {
    // The box handles Enter itself; the habit must not press its button a second time.
    platform::installInputHabits();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok);
    int clicks = 0;
    QObject::connect(&box, &QMessageBox::buttonClicked, [&] { ++clicks; });
    QTimer::singleShot(0, &box, [&] {
        QAbstractButton* ok = box.button(QMessageBox::Ok);
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
    });
    EXPECT_EQ(box.exec(), QMessageBox::Ok);
    EXPECT_EQ(clicks, 1);
}

TEST(InputHabits, PressesDuringASoundWaitComeAfterTheSound) {
    TwoButtons w;
    int clicksWhenTheSoundEnded = -1;
    platform::SoundWait sound;
    sound.start(150, {}, [&](int code) {
        EXPECT_EQ(code, platform::mediaOk);
        clicksWhenTheSoundEnded = w.firstClicks + w.secondClicks;
    });
    // The wait returns at once; presses made while the sound plays are held.
    QTest::mouseClick(w.first, Qt::LeftButton);
    w.second->setFocus();
    QTest::keyClick(w.second, Qt::Key_Return);
    EXPECT_EQ(w.firstClicks + w.secondClicks, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.waiting(); }, 2000));
    EXPECT_EQ(clicksWhenTheSoundEnded, 0);
    // Handed on in order once the sound has ended.
    QTest::qWait(50);
    EXPECT_EQ(w.firstClicks, 1);
    EXPECT_EQ(w.secondClicks, 1);
}

}  // namespace
