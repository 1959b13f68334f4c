#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/ansi.h"
#include "roster/name_change_gui.h"
#include "roster/roster.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"
#include "support/user_close_gui.h"

namespace {

QString rosterLine(int no, int year, const QString& name, int status) {
    return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"%5\"")
        .arg(no)
        .arg(year)
        .arg(name.leftJustified(20, u' '))
        .arg(status)
        .arg(QString(20, u' '));
}

class NameChangeWindowTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        flow.holdBack({TestFlow::ShowNameSelection});
        // A retired first line, as "student retire 1" then "student add" leave it.
        ASSERT_TRUE(testfiles::writeAnsiLines(rosterPath(),
                                              {rosterLine(1, 2012, QStringLiteral("山田"), 1),
                                               rosterLine(2, 2015, QStringLiteral("佐藤"), 0)}));
    }
    void TearDown() override {
        if (NameChangeWindow* w = flow.nameChangeWindow()) w->close();
        QCoreApplication::processEvents();
        CoreFixture::TearDown();
    }
    template <class T>
    T* child(const char* name) {
        T* w = flow.nameChangeWindow()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TestFlow flow{parts};
};

TEST_F(NameChangeWindowTest, ShowsOneRowPerActiveLineWritesTheBoxesAndGoesBack) {
    ASSERT_TRUE(flow.showNameChange());
    NameChangeWindow* w = flow.nameChangeWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("FrmName2"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quillmark5"));
    EXPECT_EQ(child<QLabel>("Label3")->text(),
              QStringLiteral("※生まれた年は早生まれの場合は1年引いてください"));
    EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("Text1_2")), nullptr);  // the retired line
    QLineEdit* name1 = child<QLineEdit>("Text1_1");
    EXPECT_EQ(name1->text(), QStringLiteral("佐藤"));
    EXPECT_EQ(child<QLineEdit>("Text2_1")->text(), QStringLiteral("2015"));
    // Years are typed with the input method off; names leave it to the system.
    EXPECT_FALSE(child<QLineEdit>("Text2_1")->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(name1->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(child<QLabel>("EmptyHint")->isHidden());

    name1->setText(QStringLiteral("佐藤花子"));
    child<QLineEdit>("Text2_1")->setText(QStringLiteral("２０１４"));
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(child<QLineEdit>("Text2_1")->text(), QStringLiteral("2014"));  // as stored
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(testfiles::readBytes(rosterPath()),
              platform::toAnsi(rosterLine(1, 2012, QStringLiteral("山田"), 1) + "\r\n" +
                               rosterLine(2, 2014, QStringLiteral("佐藤花子"), 0) + "\r\n"));
    EXPECT_EQ(flow.nameChangeWindow(), w);  // the window stays
    EXPECT_EQ(child<QLabel>("SavedNote")->text(), QStringLiteral("名簿を保存しました（10:00:00）"));

    // A refused row is named in a message; the file stays.
    const QByteArray written = testfiles::readBytes(rosterPath());
    child<QLineEdit>("Text2_1")->setText(QStringLiteral("216"));
    child<QPushButton>("Command1")->click();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("1 行目の生まれた年 216")));
    EXPECT_EQ(testfiles::readBytes(rosterPath()), written);
    EXPECT_EQ(child<QLabel>("SavedNote")->text(), QString());

    child<QPushButton>("Command2")->click();
    EXPECT_EQ(flow.count(TestFlow::ShowNameSelection), 1);
    EXPECT_EQ(flow.nameChangeWindow(), nullptr);

    // The window's X button brings the name selection back as well.
    ASSERT_TRUE(flow.showNameChange());
    closeByUser(flow.nameChangeWindow());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return flow.count(TestFlow::ShowNameSelection) == 2; }, 2000));
    EXPECT_EQ(flow.nameChangeWindow(), nullptr);
}

TEST_F(NameChangeWindowTest, AnEmptyRosterSaysHowStudentsAreAdded) {
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterPath(), {}));
    ASSERT_TRUE(flow.showNameChange());
    EXPECT_EQ(flow.nameChangeWindow()->findChild<QLineEdit*>(), nullptr);
    QLabel* hint = child<QLabel>("EmptyHint");
    EXPECT_FALSE(hint->isHidden());
    EXPECT_TRUE(hint->text().contains(QStringLiteral("narabitouch-setup student add")));
}

TEST_F(NameChangeWindowTest, AnUnreadableRosterIsARunTimeErrorBeforeAnyWindow) {
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterPath(), {QStringLiteral("1,abc")}));
    EXPECT_THROW(flow.showNameChange(), platform::RuntimeError);
    EXPECT_EQ(flow.nameChangeWindow(), nullptr);
}

}  // namespace
