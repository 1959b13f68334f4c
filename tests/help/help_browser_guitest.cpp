#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/catalogue.h"
#include "help/help_browser_gui.h"
#include "state/settings.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"

namespace {

// Two help pages beside a program folder in a temporary folder.
class HelpBrowserTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        state::settingsAtStartUp().programFolder = tmp.path() + QStringLiteral("/ならびタッチ/");
        page(QStringLiteral("helpmenu.htm"), QStringLiteral("使い方"));
        page(QStringLiteral("narabitouch.htm"), QStringLiteral("勉強のしかた"));
    }
    void TearDown() override {
        if (HelpBrowser* w = HelpBrowser::current()) w->close();
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
    // Waits until the page with that title is shown.
    bool shows(const QString& title) {
        HelpBrowser* w = HelpBrowser::current();
        return QTest::qWaitFor([&] { return !w->busy() && w->windowTitle() == title; }, 20000);
    }
    TestFlow flow;
    QComboBox* address() {
        return HelpBrowser::current()->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    }
};

TEST_F(HelpBrowserTest, NavigatesKeepsTheAddressesOnceNewestFirstAndStops) {
    flow.showHelp(url(QStringLiteral("helpmenu.htm")));
    HelpBrowser* w = HelpBrowser::current();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("frmBrowser"));
    ASSERT_TRUE(shows(QStringLiteral("使い方"))) << w->windowTitle().toStdString();
    EXPECT_EQ(w->addressList(), QStringList{url(QStringLiteral("helpmenu.htm"))});

    // Enter in the address box goes to the typed address.
    QLineEdit* edit = address()->lineEdit();
    edit->setText(url(QStringLiteral("narabitouch.htm")));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(shows(QStringLiteral("勉強のしかた")));
    EXPECT_EQ(w->addressList(), (QStringList{url(QStringLiteral("narabitouch.htm")),
                                             url(QStringLiteral("helpmenu.htm"))}));

    // Choosing an address of the list moves it to the top instead of adding it again.
    emit address()->activated(1);
    ASSERT_TRUE(shows(QStringLiteral("使い方")));
    EXPECT_EQ(w->addressList(), (QStringList{url(QStringLiteral("helpmenu.htm")),
                                             url(QStringLiteral("narabitouch.htm"))}));
    w->findChild<QAction*>(QStringLiteral("Back"))->trigger();
    ASSERT_TRUE(shows(QStringLiteral("勉強のしかた")));
    EXPECT_EQ(w->addressList().size(), 2);

    // Stop ends the caption updates at once.
    QTimer* timer = w->findChild<QTimer*>(QStringLiteral("timTimer"));
    w->navigate(url(QStringLiteral("helpmenu.htm")));
    EXPECT_TRUE(timer->isActive());
    w->findChild<QAction*>(QStringLiteral("Stop"))->trigger();
    EXPECT_FALSE(timer->isActive());
    EXPECT_NE(w->windowTitle(), QStringLiteral("接続中..."));

    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HelpBrowser::current(), nullptr);
}

}  // namespace
