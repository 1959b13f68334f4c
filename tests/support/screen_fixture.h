#pragma once

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

#include "course/catalogue.h"
#include "drill/drill_screen_gui.h"
#include "endscreen/end_screen_gui.h"
#include "home/home_screen_gui.h"
#include "home/level_columns_gui.h"
#include "platform/dates.h"
#include "platform/media.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "sound/sound.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/core_fixture.h"
#include "support/test_flow_gui.h"

// A signed-in student of the four-level course in a temporary family folder, the home and
// end screens shown by the program's flow, the other screen switches counted, sounds recorded.
class ScreenFixture : public CoreFixture {
  protected:
    static constexpr int kStudent = 12;

    void SetUp() override {
        CoreFixture::SetUp();
        platform::setMedia(&media);
        state::settingsAtStartUp().soundFolder = tmp.path() + QStringLiteral("/sound/");
        parts.sounds.setFolder(state::settingsAtStartUp().soundFolder);
        parts.sounds.table()[soundPersonalBest].files = QStringList{QStringLiteral("self")};
        parts.sounds.table()[soundPersonalBest].count = QStringLiteral("1");
        parts.sounds.table()[soundNoRecord].files = QStringList{QStringLiteral("again")};
        parts.sounds.table()[soundNoRecord].count = QStringLiteral("1");

        catalogue::setTitle();
        catalogue::fillLevelTables();
        state::settingsAtStartUp().schoolYearStartMonth = 4;
        state::settingsAtStartUp().classroomName = QStringLiteral("さくら教室");
        for (int level = 1; level <= kMaxLevel; ++level) {
            LevelTarget& t = state::course().levelTargets[level];
            t.passTime = 30;
            t.secondTime = 60;
            t.clearPoints = 20;
            t.clearCount = 2;
            t.pointWeight = 2;
            t.clearWindowDays = 7;
            t.freeWindowDays = 7;
        }
        parts.session.currentStudentNo = kStudent;
        parts.session.currentStudentName = QStringLiteral("山田花子                ").left(20);
        parts.session.currentGradeLabel = QStringLiteral("小2");
        parts.session.signInMonotonicMs = clock.monotonicMs() - 5 * 60 * 1000;

        flow.holdBack({TestFlow::CloseNameSelection, TestFlow::ShowNameSelection,
                       TestFlow::ShowWait, TestFlow::CloseWait});

        QFile log(resultLogPath());  // an empty log: no results yet
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    }

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setMedia(nullptr);
        CoreFixture::TearDown();
    }

    // One record of the results log, written as the recorder writes it.
    void addRun(int student, int level, qint32 time, int daysAgo = 0) {
        ResultRecord r;
        r.date = platform::dayCountFromDate(clock.now().date().addDays(-daysAgo));
        r.timeOfDay = 0.25;
        r.studentNo = static_cast<qint16>(student);
        r.level = static_cast<qint16>(level);
        r.time = time;
        QFile log(resultLogPath());
        ASSERT_TRUE(log.open(QIODevice::Append));
        log.write(r.toBytes());
    }

    // Lets the queued work of the screens run.
    static void settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    template <class T>
    static T* child(QWidget* screen, const char* name) {
        T* w = screen->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    platform::RecordingMedia media;
    TestFlow flow{parts};
};
