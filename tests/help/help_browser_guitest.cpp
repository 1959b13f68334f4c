#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "course/catalogue.h"
#include "help/help_browser_gui.h"
#include "platform/shell.h"
#include "state/settings.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"

namespace {

// Two help pages beside a program folder in a temporary folder; web addresses recorded.
class HelpBrowserTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        platform::setShell(&shell);
        state::settingsAtStartUp().programFolder = tmp.path() + QStringLiteral("/ならびタッチ/");
        page(QStringLiteral("helpmenu.htm"), QStringLiteral("使い方"));
        page(QStringLiteral("narabitouch.htm"), QStringLiteral("勉強のしかた"));
    }
    void TearDown() override {
        if (HelpBrowser* w = flow.helpBrowser()) w->close();
        QCoreApplication::processEvents();
        CoreFixture::TearDown();
    }
    void page(const QString& name, const QString& title) {
        ASSERT_TRUE(testfiles::writeBytes(
            state::settingsAtStartUp().programFolder + QStringLiteral("help/") + name,
            QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                           "<body><p>%1</p></body></html>")
                .arg(title)
                .toUtf8()));
    }
    QString url(const QString& name) { return catalogue::helpSite() + u'/' + name; }
    HelpBrowser* open() {
        flow.showHelp(url(QStringLiteral("helpmenu.htm")));
        return flow.helpBrowser();
    }
    // Types an address into the box and presses Enter (the box has the focus, as on the
    // screen); returns the caption then.
    QString type(const QString& address) {
        auto* box = flow.helpBrowser()->findChild<QComboBox*>(QStringLiteral("cboAddress"));
        box->lineEdit()->setText(address);
        QTest::keyClick(box, Qt::Key_Return);
        return flow.helpBrowser()->windowTitle();
    }
    platform::RecordingShell shell;
    TestFlow flow{parts};
};

TEST_F(HelpBrowserTest, NavigatesKeepsTheAddressesOnceNewestFirstAndStops) {
    HelpBrowser* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("frmBrowser"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("使い方"));
    EXPECT_EQ(w->addressList(), QStringList{url(QStringLiteral("helpmenu.htm"))});

    EXPECT_EQ(type(url(QStringLiteral("narabitouch.htm"))), QStringLiteral("勉強のしかた"));
    EXPECT_EQ(w->addressList(), (QStringList{url(QStringLiteral("narabitouch.htm")),
                                             url(QStringLiteral("helpmenu.htm"))}));

    // Choosing an address of the list moves it to the top instead of adding it again.
    auto* address = w->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    emit address->activated(1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("使い方"));
    EXPECT_EQ(w->addressList(), (QStringList{url(QStringLiteral("helpmenu.htm")),
                                             url(QStringLiteral("narabitouch.htm"))}));
    w->findChild<QAction*>(QStringLiteral("Back"))->trigger();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("勉強のしかた"));
    EXPECT_EQ(w->addressList().size(), 2);

    // Stop ends the caption updates at once.
    QTimer* timer = w->findChild<QTimer*>(QStringLiteral("timTimer"));
    w->navigate(url(QStringLiteral("helpmenu.htm")));
    EXPECT_TRUE(timer->isActive());
    w->findChild<QAction*>(QStringLiteral("Stop"))->trigger();
    EXPECT_FALSE(timer->isActive());
    EXPECT_NE(w->windowTitle(), QStringLiteral("接続中..."));

    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(flow.helpBrowser(), nullptr);
}

TEST_F(HelpBrowserTest, PagesComeFromTheHelpFolderThenFromTheCompiledInCopy) {
    ASSERT_NE(open(), nullptr);
    // A relative address is a page of the help folder, which comes before the copy.
    EXPECT_EQ(type(QStringLiteral("narabitouch.htm")), QStringLiteral("勉強のしかた"));
    EXPECT_EQ(flow.helpBrowser()->addressList().first(), url(QStringLiteral("narabitouch.htm")));
    // A page missing from the folder, then the whole folder missing.
    EXPECT_EQ(type(QStringLiteral("formmail2\\form1.html")),
              QStringLiteral("お問い合わせ ― こまったときは"));
    ASSERT_TRUE(QDir(state::settings().programFolder + QStringLiteral("help")).removeRecursively());
    EXPECT_EQ(type(QStringLiteral("helpmenu.htm")),
              QStringLiteral("使用法の説明１ ― ならびタッチの使い方"));
    EXPECT_EQ(type(QStringLiteral("nothere.htm")), QStringLiteral("ページが見つかりません"));
    // A device is no page (it would be read without end).
    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_EQ(type(QStringLiteral("/dev/zero")), QStringLiteral("ページが見つかりません"));
    }
}

TEST_F(HelpBrowserTest, WebAddressesGoToTheSystemBrowserOrAMessageNamesThem) {
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(type(QStringLiteral("https://example.com/a")), QStringLiteral("使い方"));
    EXPECT_EQ(shell.urls, QStringList{QStringLiteral("https://example.com/a")});
    EXPECT_TRUE(boxes.shown.isEmpty());

    shell.openResult = false;
    type(QStringLiteral("mailto:sensei@example.com"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("mailto:sensei@example.com")));
    EXPECT_TRUE(
        boxes.shown[0].text.contains(QStringLiteral("ウェブブラウザを起動できませんでした")));
}

}  // namespace
