// The whole program on a demo family folder, given input the way a user gives it: window
// closes from the window manager, a click that lands while a screen becomes active, a
// print dialog that takes the focus for a moment. Windows are found by their objectName.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/program_gui.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/printer_gui.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "platform/wait.h"
#include "support/platform_defaults.h"
#include "support/print_dialog.h"
#include "support/program_state.h"
#include "support/stepping_clock.h"
#include "support/user_input.h"

namespace {

const QString kProgramName = QStringLiteral("ならびタッチ");

QWidget* shownWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

template <class T = QWidget>
T* control(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

bool waitFor(const std::function<bool()>& ready, int ms = 5000) {
    return QTest::qWaitFor(ready, ms);
}

// Clicks a control from the first events a window's activation lets run: the click is
// queued when the window becomes active and delivered by the activation's first wait.
class ActivationClick : public QObject {
  public:
    ActivationClick(QWidget* window, QWidget* target) : target_(target) {
        window->installEventFilter(this);
    }
    bool clicked = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && !queued_) {
            queued_ = true;
            QTimer::singleShot(0, this, [this] {
                clicked = true;
                userinput::click(target_);
            });
        }
        return false;
    }

  private:
    QPointer<QWidget> target_;
    bool queued_ = false;
};

// Closes a window as the user does, from the events that its coming up lets run: queued
// when the window is shown, and queued once more to get past the screen's own queued start.
class CloseWhileComingUp : public QObject {
  public:
    explicit CloseWhileComingUp(QString name) : name_(std::move(name)) {
        qApp->installEventFilter(this);
    }
    bool closed = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || queued_ || watched->objectName() != name_ ||
            !static_cast<QWidget*>(watched)->isWindow())
            return false;
        queued_ = true;
        QPointer<QWidget> window(static_cast<QWidget*>(watched));
        QTimer::singleShot(0, this, [this, window] {
            QTimer::singleShot(
                0, this, [this, window] { closed = window && userinput::closeWindow(window); });
        });
        return false;
    }

  private:
    QString name_;
    bool queued_ = false;
};

class UserInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_EQ(QProcess::execute(QStringLiteral(MAKE_DEMO), {tmp.path(), kProgramName}), 0);
        resetProgramState();
        installRecorders(clock, media, boxes, shell, endCodes);
        program = std::make_unique<Program>(Program::Platform::Installed);
    }

    bool start() { return program->start(tmp.path() + u'/' + kProgramName); }

    // Waits until `ready`, or until the window the test closes while it comes up is closed.
    bool waitForScreen(const std::function<bool()>& ready) {
        return waitFor([&] { return ready() || (closer && closer->closed); });
    }

    void TearDown() override {
        closeEveryWindow();
        program.reset();
        platform::setPrinterChoice({});
        restorePlatformDefaults();
        resetProgramState();
    }

    // The first student of the list signs in; returns the home screen once it shows the
    // student.
    QWidget* signIn() {
        QWidget* names = shownWindow(QStringLiteral("namesel"));
        auto* list = control<QListWidget>(names, QStringLiteral("List1"));
        if (!list || list->count() < 2) return nullptr;
        userinput::clickWindowAt(
            names->windowHandle(),
            list->viewport()->mapTo(names, list->visualItemRect(list->item(1)).center()));
        userinput::click(control(names, QStringLiteral("Command14")));
        QWidget* home = nullptr;
        waitForScreen([&] {
            home = shownWindow(QStringLiteral("seisekitime1"));
            auto* student = control<QLabel>(home, QStringLiteral("Label12"));
            return student && !student->text().isEmpty() &&
                   !control(home, QStringLiteral("Picture2"))->isVisible();
        });
        return home;
    }

    // Level 1 starts; returns the drill screen once its first problem shows.
    QWidget* startLevelOne(QWidget* home) {
        userinput::click(control(home, QStringLiteral("Command4_1")));
        QWidget* drill = nullptr;
        waitForScreen([&] {
            drill = shownWindow(QStringLiteral("MainFrm"));
            auto* card = control<QLabel>(drill, QStringLiteral("Label1_1"));
            return card && !card->text().isEmpty();
        });
        return drill;
    }

    // Presses the cards of the five problems in order; returns the end screen once its
    // buttons show.
    QWidget* runDrill(QWidget* drill) {
        QPointer<QWidget> alive(drill);
        for (int problem = 0; problem < 5 && alive; ++problem) {
            clock.advanceMs(2000);
            std::vector<std::pair<int, QLabel*>> cards;
            for (int i = 1; i <= 10; ++i) {
                auto* card = control<QLabel>(drill, QStringLiteral("Label1_%1").arg(i));
                cards.emplace_back(card->text().toInt(), card);
            }
            std::sort(cards.begin(), cards.end());
            for (const auto& [value, card] : cards)
                if (alive) userinput::click(card);
        }
        QWidget* end = nullptr;
        waitFor([&] {
            end = shownWindow(QStringLiteral("FrmSyuuryou"));
            return end && control(end, QStringLiteral("Command4"))->isVisible();
        });
        return end;
    }

    QTemporaryDir tmp;
    SteppingClock clock{QDateTime::currentDateTime()};
    platform::RecordingMedia media;
    platform::RecordingMessageBoxes boxes;
    platform::RecordingShell shell;
    std::vector<int> endCodes;
    std::unique_ptr<CloseWhileComingUp> closer;
    std::unique_ptr<Program> program;
};

// A window closed by the user (X button, Alt+F4) while it comes up or once it is up does
// what the way out of that window does: the name list ends as "終了" does, the home screen
// goes back to the name list, the end screen back to the menu; the drill has no way out
// and refuses.
struct UserClose {
    const char* window;
    bool whileComingUp;
};

void PrintTo(const UserClose& c, std::ostream* os) {
    *os << c.window << (c.whileComingUp ? " while it comes up" : " once it is up");
}

class UserCloseTest : public UserInputTest, public ::testing::WithParamInterface<UserClose> {
  protected:
    // Goes from the start to the window.
    QWidget* reach(const QString& window) {
        if (!start() || window == u"namesel") return shownWindow(QStringLiteral("namesel"));
        QWidget* home = signIn();
        if (window == u"seisekitime1") return home;
        QWidget* drill = startLevelOne(home);
        return window == u"MainFrm" ? drill : runDrill(drill);
    }
};

TEST_P(UserCloseTest, DoesWhatTheWayOutOfTheWindowDoes) {
    const QString window = QString::fromLatin1(GetParam().window);
    if (GetParam().whileComingUp) closer = std::make_unique<CloseWhileComingUp>(window);
    QPointer<QWidget> closed = reach(window);
    if (closer) {
        ASSERT_TRUE(waitFor([&] { return closer->closed; }));
    } else {
        ASSERT_NE(closed, nullptr);
        ASSERT_TRUE(userinput::closeWindow(closed));
    }
    QTest::qWait(100);
    if (window == u"namesel") {
        ASSERT_EQ(endCodes.size(), 1u);
        ASSERT_EQ(shell.started.size(), 1);  // the launcher, as "終了" starts it
        return;
    }
    EXPECT_TRUE(endCodes.empty());
    if (window == u"MainFrm") {
        ASSERT_TRUE(closed && closed->isVisible());
        EXPECT_NE(runDrill(closed), nullptr);  // and the run goes on to its end
        return;
    }
    const QString back =
        window == u"seisekitime1" ? QStringLiteral("namesel") : QStringLiteral("seisekitime1");
    EXPECT_TRUE(waitFor([&] {
        QWidget* w = shownWindow(back);
        QWidget* busy = control(w, QStringLiteral("Picture2"));
        return w && (!busy || !busy->isVisible());
    }));
    EXPECT_TRUE(!closed || !closed->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Windows, UserCloseTest,
                         ::testing::Values(UserClose{"namesel", true}, UserClose{"namesel", false},
                                           UserClose{"seisekitime1", true},
                                           UserClose{"seisekitime1", false},
                                           UserClose{"MainFrm", true}, UserClose{"MainFrm", false},
                                           UserClose{"FrmSyuuryou", true},
                                           UserClose{"FrmSyuuryou", false}),
                         [](const ::testing::TestParamInfo<UserClose>& info) {
                             return std::string(info.param.window) +
                                    (info.param.whileComingUp ? "_WhileComingUp" : "_OnceUp");
                         });

TEST_F(UserInputTest, NameChangeClickedWhileTheNameListBecomesActive) {
    ASSERT_TRUE(start());
    QPointer<QWidget> names = shownWindow(QStringLiteral("namesel"));
    userinput::click(control(names, QStringLiteral("Command15")));  // help beside the list
    ASSERT_TRUE(waitFor([] { return shownWindow(QStringLiteral("frmBrowser")) != nullptr; }));
    ASSERT_TRUE(waitFor([] {
        return QGuiApplication::focusWindow() ==
               shownWindow(QStringLiteral("frmBrowser"))->windowHandle();
    }));
    // The click lands in the first events the activation lets run.
    QPointer<QWidget> nameChange = control(names, QStringLiteral("Command16"));
    ActivationClick click(names, nameChange);
    names->activateWindow();
    EXPECT_TRUE(waitFor([&] { return click.clicked; }));
    EXPECT_TRUE(waitFor([] { return shownWindow(QStringLiteral("FrmName2")) != nullptr; }));
    QTest::qWait(50);
    EXPECT_TRUE(!names || !names->isVisible());
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(UserInputTest, PrintingAChartLeavesTheHomeScreenAsItWas) {
    ASSERT_TRUE(start());
    QWidget* home = signIn();
    ASSERT_NE(home, nullptr);
    for (const bool print : {true, false}) {
        SCOPED_TRACE(print ? "print" : "cancel");
        auto* ownRuns = control<QRadioButton>(home, QStringLiteral("Option2_2"));
        userinput::click(ownRuns);
        ASSERT_TRUE(
            waitFor([&] { return control(home, QStringLiteral("Command17"))->isVisible(); }));
        userinput::click(control(home, QStringLiteral("Command17")));
        QWidget* panel = control(home, QStringLiteral("Picture11"));
        ASSERT_TRUE(waitFor([&] { return panel->isVisible(); }));

        const QString pdf = tmp.path() + QStringLiteral("/chart.pdf");
        platform::setPrinterChoice(printDialogStandIn(pdf, [print](QDialog& dialog) {
            userinput::click(dialog.findChild<QPushButton*>(print ? QStringLiteral("print")
                                                                  : QStringLiteral("cancel")));
        }));
        userinput::click(control(panel, QStringLiteral("Command21_1")));
        home->activateWindow();  // the window manager gives the focus back
        QTest::qWait(200);
        EXPECT_EQ(QFile::exists(pdf), print);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_TRUE(ownRuns->isChecked());
        EXPECT_FALSE(control(home, QStringLiteral("Picture2"))->isVisible());  // not busy
        // The next click is taken: "戻る" of the chart panel closes it.
        userinput::click(control(panel, QStringLiteral("Command18")));
        EXPECT_TRUE(waitFor([&] { return !panel->isVisible(); }, 1000));
        QFile::remove(pdf);
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
}

}  // namespace
