// "タイム回数データ.txt", then the points rule for every level it sets.
#include "course/points.h"
#include "fuzz_support.h"
#include "platform/errors.h"
#include "results/level_targets.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/settings.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    fuzzsupport::freshProgram();
    fuzzsupport::putFile(
        state::settingsAtStartUp().dataFolder + QStringLiteral("タイム回数データ.txt"),
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    try {
        loadLevelTargets();
        for (int level = 1; level <= kMaxLevel; ++level) {
            const LevelTarget& t = state::course().levelTargets[level];
            for (const qint32 time : {0, 1, t.passTime, t.secondTime, 5999, 99999}) {
                try {
                    drillPoints(basePointsFor(time, t.passTime), t.pointWeight);
                } catch (const platform::RuntimeError&) {
                }
            }
        }
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(level_targets)
