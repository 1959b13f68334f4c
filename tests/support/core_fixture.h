#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/wait.h"
#include "state/session.h"
#include "state/settings.h"
#include "support/platform_defaults.h"
#include "widgets/program_state.h"

// A clean program per test: fresh shared state, a temporary folder tree, a fake clock
// (2026-12-08 10:00:00 unless a test moves it), recorded message boxes, a recorded end of
// program and waits that return at once (they advance the fake clock and are recorded).
//
//   <tmp>/          baseFolder (roster, common data, home-use results copy)
//   <tmp>/drill/    dataFolder (targets, results log)
class CoreFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        state::resetRunState();
        platform::resetProgramEnding();
        platform::setClock(&clock);
        platform::setMessageBoxes(&boxes);
        platform::setEndHandler([this](int code) { endCodes.push_back(code); });
        platform::setWaitHandler([this](int ms) {
            waits.push_back(ms);
            clock.advanceMs(ms);
            if (onWait) onWait(ms);
        });
        ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("drill")));
        state::settingsAtStartUp().baseFolder = tmp.path() + QStringLiteral("/");
        state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/drill/");
    }

    void TearDown() override {
        restorePlatformDefaults();
        state::resetRunState();
    }

    QString dataPath(const QString& name) const {
        return state::settingsAtStartUp().dataFolder + name;
    }
    QString basePath(const QString& name) const {
        return state::settingsAtStartUp().baseFolder + name;
    }
    bool ended() const { return !endCodes.empty(); }

    QTemporaryDir tmp;
    ProgramState parts;  // what the program would own
    platform::FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    platform::RecordingMessageBoxes boxes;
    std::vector<int> endCodes;
    std::vector<int> waits;
    std::function<void(int)> onWait;  // runs inside every wait
};
