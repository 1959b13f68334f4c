#pragma once

// The whole program in one process: a family folder laid out like an installation, the
// real windows driven by clicks (the fixture of the whole-program tests).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "app/program_gui.h"
#include "drill/drill_screen_gui.h"
#include "endscreen/end_screen_gui.h"
#include "home/home_screen_gui.h"
#include "home/level_columns_gui.h"
#include "home/record_list_view_gui.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "platform/wait.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "roster/name_selection_gui.h"
#include "sound/sound.h"
#include "state/session.h"
#include "support/platform_defaults.h"
#include "support/program_state.h"
#include "support/stepping_clock.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"
#include "widgets/wait_window_gui.h"

inline const QString kFull = QStringLiteral("　");
inline const QString kProgramName = QStringLiteral("ならびタッチ");
inline const QString kLevel1Name = QStringLiteral("１ずつ増加");

inline QString rosterLine(int no, int birthYear, const QString& name) {
    return QStringLiteral("%1,%2,0,0,\"%3\",0,\"%4\",\"%4\"")
        .arg(no)
        .arg(birthYear)
        .arg(name.leftJustified(20, u' '))
        .arg(QString(20, u' '));
}

// An installation in a temporary family folder (flat layout, school year 2026):
//
//   <tmp>/                  共通データ.txt, 生徒用名簿.txt (three students), home-use copy
//   <tmp>/音フォルダ/        新音ファイル.txt (the wave files are never opened: media is recorded)
//   <tmp>/ならびタッチ/      設定.txt, タイム回数データ.txt, picture.txt and its pictures,
//                           成績累積データ.dat (empty)
//
// Targets of levels 1..4: pass time 30 s, second time 60 s, cleared with 2 drills and 10
// points inside 7 days, weight 1.
inline WaitWindow* visibleWaitWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<WaitWindow*>(w) && w->isVisible()) return static_cast<WaitWindow*>(w);
    return nullptr;
}
inline bool waitWindowVisible() {
    return visibleWaitWindow() != nullptr;
}

class WholeProgramTest : public ::testing::Test {
  protected:
    static constexpr int kStudent = 2;  // 山田花子, 小2, the second name of the list

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        resetProgramState();
        installRecorders(clock, media, boxes, shell, endCodes, &random);

        writeInstallation();
        program = std::make_unique<Program>(Program::Platform::Installed);
        started = program->start(programDir());
    }

    void TearDown() override {
        closeEveryWindow();
        program.reset();
        restorePlatformDefaults();
        resetProgramState();
    }

    QString familyDir() const { return tmp.path() + u'/'; }
    QString programDir() const { return familyDir() + kProgramName; }
    QString logPath() const { return programDir() + QStringLiteral("/成績累積データ.dat"); }
    QString homeLogPath() const { return familyDir() + QStringLiteral("成績累積データ家庭用.dat"); }

    void writeInstallation() {
        const QString base = familyDir();
        const QString prog = programDir() + u'/';
        ASSERT_TRUE(QDir().mkpath(prog));
        ASSERT_TRUE(testfiles::writeAnsiLines(base + QStringLiteral("共通データ.txt"),
                                              {"4", "\"12345さくら教室\"", "0", "0", "\"a\"",
                                               "\"b\"", "\"c\"", "\"d\"", "\"e\"", "\"f\""}));
        ASSERT_TRUE(testfiles::writeAnsiLines(base + QStringLiteral("生徒用名簿.txt"),
                                              {rosterLine(1, 2012, QStringLiteral("鈴木一郎")),
                                               rosterLine(2, 2018, QStringLiteral("山田花子")),
                                               rosterLine(3, 2019, QStringLiteral("佐藤太郎"))}));
        ASSERT_TRUE(testfiles::writeAnsiLines(
            base + QStringLiteral("音フォルダ/新音ファイル.txt"),
            {"正解音1,solved,*", "正解音2,correct,*", "間違い音1,wrong,*", "間違い音2,noname,*",
             "自己最高音2,selfbest,*", "不合格音1,again,*"}));

        ASSERT_TRUE(testfiles::writeAnsiLines(prog + QStringLiteral("設定.txt"),
                                              {"0,0,0,0,0", "\"x\",\"y\",0,0,0"}));
        QStringList targets;
        for (int level = 1; level <= 20; ++level)
            targets << (level <= 4 ? QStringLiteral("30,60,10,2,1,0,0,7,7,0,0,0")
                                   : QStringLiteral("30,60,100,3,1,0,0,7,7,0,0,0"));
        ASSERT_TRUE(
            testfiles::writeAnsiLines(prog + QStringLiteral("タイム回数データ.txt"), targets));

        QStringList pictures{QStringLiteral("1,20")};
        for (int n = 1; n <= 10; ++n) {
            QImage card(40, 30, QImage::Format_RGB32);
            card.fill(QColor(200, 20 * n, 0));
            ASSERT_TRUE(card.save(prog + QStringLiteral("card%1.png").arg(n)));
            QImage done(40, 30, QImage::Format_RGB32);
            done.fill(QColor(0, 20 * n, 200));
            ASSERT_TRUE(done.save(prog + QStringLiteral("done%1.bmp").arg(n)));
            pictures << QStringLiteral("\"card%1.png\",\"done%1.bmp\"").arg(n);
        }
        ASSERT_TRUE(testfiles::writeAnsiLines(prog + QStringLiteral("picture.txt"), pictures));
        ASSERT_TRUE(testfiles::writeBytes(logPath(), QByteArray()));
    }

    // --- finding and pressing controls

    template <class T = QLabel>
    static T* child(QWidget* screen, const QString& name) {
        T* w = screen ? screen->findChild<T*>(name) : nullptr;
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QString text(QWidget* screen, const QString& name) {
        QLabel* label = child(screen, name);
        return label ? label->text() : QString();
    }
    // A click that survives a handler closing (and deleting) the control.
    static void click(QWidget* w) {
        ASSERT_NE(w, nullptr);
        QPointer<QWidget> alive(w);
        QTest::mousePress(w, Qt::LeftButton);
        if (alive) QTest::mouseRelease(w, Qt::LeftButton);
    }
    static void clickButton(QWidget* screen, const QString& name) {
        QPushButton* button = child<QPushButton>(screen, name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisibleTo(screen)) << name.toStdString();
        ASSERT_TRUE(button->isEnabled()) << name.toStdString();
        click(button);
    }
    static bool waitFor(const std::function<bool()>& ready, int ms = 3000) {
        return QTest::qWaitFor(ready, ms);
    }

    // --- the screens

    QStringList nameRows() {
        QStringList rows;
        if (NameSelection* w = program->flow().nameSelection()) {
            if (auto* list = child<QListWidget>(w, QStringLiteral("List1")))
                for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        }
        return rows;
    }

    // Picks the student of the row and presses "O.K."; returns the home screen once it has
    // come up with the student's figures.
    HomeScreen* signIn(int row, int studentNo = kStudent) {
        NameSelection* w = program->flow().nameSelection();
        EXPECT_NE(w, nullptr);
        if (!w) return nullptr;
        auto* list = child<QListWidget>(w, QStringLiteral("List1"));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(text(w, QStringLiteral("Label2")), QString::number(studentNo));
        clickButton(w, QStringLiteral("Command14"));
        return waitForHome();
    }

    // The home screen, shown and activated.
    HomeScreen* waitForHome() {
        const bool up = waitFor([this] {
            HomeScreen* home = program->flow().homeScreen();
            if (!home || !home->isVisible()) return false;
            auto* student = home->findChild<QLabel*>(QStringLiteral("Label12"));
            return student && !student->text().isEmpty();
        });
        EXPECT_TRUE(up) << "home screen";
        return up ? program->flow().homeScreen() : nullptr;
    }

    bool startEnabled(HomeScreen* home, int level) {
        auto* button = child<QPushButton>(home, QStringLiteral("Command4_%1").arg(level));
        return button && button->isEnabled();
    }

    // Presses a level's start button; returns the drill screen once its first problem shows.
    DrillScreen* startLevel(HomeScreen* home, int level) {
        clickButton(home, QStringLiteral("Command4_%1").arg(level));
        return waitForDrill(nullptr);
    }

    // A drill screen other than `previous`, with its first problem up.
    DrillScreen* waitForDrill(DrillScreen* previous) {
        const bool up = waitFor([this, previous] {
            DrillScreen* frm = program->flow().drillScreen();
            if (!frm || frm == previous || !frm->isVisible()) return false;
            auto* remaining = frm->findChild<QLabel*>(QStringLiteral("sLabel9"));
            auto* card = frm->findChild<QLabel*>(QStringLiteral("Label1_1"));
            return remaining && card && remaining->text() == QStringLiteral("5") &&
                   !card->text().isEmpty();
        });
        EXPECT_TRUE(up) << "drill screen";
        return up ? program->flow().drillScreen() : nullptr;
    }

    // Card indices (1..10) in ascending order of the numbers they show.
    static QList<int> ascendingCards(DrillScreen* frm) {
        QList<int> values;
        for (int i = 1; i <= 10; ++i)
            values << text(frm, QStringLiteral("Label1_%1").arg(i)).toInt();
        QList<int> cards{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        std::sort(cards.begin(), cards.end(),
                  [&](int a, int b) { return values[a - 1] < values[b - 1]; });
        return cards;
    }

    // Runs the five problems, two seconds on the clock before each; with a wrong press
    // (the second smallest card first) in the first problem. Returns the end screen once
    // it has judged the run.
    EndScreen* runDrill(DrillScreen* frm, bool wrongPress = false) {
        EXPECT_NE(frm, nullptr);
        if (!frm) return nullptr;
        QPointer<DrillScreen> drill(frm);
        for (int p = 1; p <= 5 && drill; ++p) {
            clock.advanceMs(2000);
            drill->drillClockTick();
            const QList<int> order = ascendingCards(drill);
            if (wrongPress && p == 1)
                click(child(drill, QStringLiteral("Label1_%1").arg(order[1])));
            for (int k = 0; k < 10 && drill; ++k)
                click(child(drill, QStringLiteral("Label1_%1").arg(order[k])));
            if (p < 5) {
                EXPECT_TRUE(drill) << "problem " << p;
                if (drill) {
                    EXPECT_EQ(text(drill, QStringLiteral("sLabel9")), QString::number(5 - p));
                }
            }
        }
        const bool judged = waitFor([this] {
            EndScreen* screen = program->flow().endScreen();
            return screen && screen->isVisible() && screen->evaluated();
        });
        EXPECT_TRUE(judged) << "end screen";
        EXPECT_TRUE(!drill || !drill->isVisible());
        return judged ? program->flow().endScreen() : nullptr;
    }

    // The buttons of the end screen come half a second after its judgement; unless a test
    // waits for that, the timer fires at once.
    bool waitForSecondPhase(EndScreen* screen, bool halfASecond = false) {
        auto* menu = child<QPushButton>(screen, QStringLiteral("Command4"));
        if (!halfASecond && menu && !menu->isVisibleTo(screen)) screen->secondPhase();
        return menu && waitFor([&] { return menu->isVisibleTo(screen); });
    }

    // From the end screen back to the home screen ("メニューへ").
    HomeScreen* backToMenu(EndScreen* screen, bool halfASecond = false) {
        EXPECT_TRUE(waitForSecondPhase(screen, halfASecond));
        clickButton(screen, QStringLiteral("Command4"));
        return waitForHome();
    }

    // The same with Enter: "メニューへ" has the focus when the buttons come.
    HomeScreen* backToMenuWithEnter(EndScreen* screen) {
        EXPECT_TRUE(waitForSecondPhase(screen));
        auto* menu = child<QPushButton>(screen, QStringLiteral("Command4"));
        EXPECT_EQ(screen->focusWidget(), menu);
        QTest::keyClick(screen->focusWidget(), Qt::Key_Return);
        return waitForHome();
    }

    QList<ResultRecord> records() {
        const QByteArray bytes = testfiles::readBytes(logPath());
        EXPECT_EQ(bytes.size() % kResultRecordSize, 0);
        QList<ResultRecord> list;
        for (qsizetype at = 0; at + kResultRecordSize <= bytes.size(); at += kResultRecordSize)
            list << ResultRecord::fromBytes(bytes.constData() + at);
        return list;
    }

    // The lines of a level's record list.
    static QStringList listLines(HomeScreen* home, int level) {
        auto* list = child<RecordListView>(home, QStringLiteral("List5_%1").arg(level));
        return list ? list->lines() : QStringList();
    }
    // Clicks a list option (Option2 kind or Option1 choice) and waits for the lists to be
    // back.
    bool chooseList(HomeScreen* home, const QString& option) {
        auto* button = child<QRadioButton>(home, option);
        if (!button || !button->isEnabled()) return false;
        button->click();
        return waitFor([home] {
            auto* wait = home->findChild<QWidget*>(QStringLiteral("Picture6"));
            return wait && !wait->isVisible() &&
                   home->findChild<QWidget*>(QStringLiteral("Picture1"))->isEnabled();
        });
    }

    int played(const QString& file) const {
        return static_cast<int>(media.commands.filter(u'/' + file + u' ').size());
    }

    QTemporaryDir tmp;
    SteppingClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    platform::RecordingMedia media;
    platform::RecordingMessageBoxes boxes;
    platform::SequenceRandom random{
        {0.37, 0.61, 0.12, 0.88, 0.45, 0.73, 0.05, 0.94, 0.29, 0.5, 0.81, 0.17, 0.66}};
    platform::RecordingShell shell;
    std::vector<int> endCodes;
    std::unique_ptr<Program> program;
    bool started = false;
};
