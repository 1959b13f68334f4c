// "成績累積データ.dat": the statistics rebuilt from any bytes, with targets for every level.
#include "fuzz_support.h"
#include "platform/errors.h"
#include "platform/program.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    fuzzsupport::freshProgram();
    for (int level = 1; level <= kMaxLevel; ++level) {
        LevelTarget& t = state::course().levelTargets[level];
        t.passTime = level;  // level 1 also covers a pass time of 1
        t.secondTime = 2 * level;
        t.clearWindowDays = level % 8;
        t.freeWindowDays = 30;
        t.pointWeight = level == 35 ? 2147483647 : level;
    }
    fuzzsupport::putFile(resultLogPath(), QByteArray(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size)));
    try {
        ResultsTables tables;
        buildStatistics(tables);
        // After a record outside the tables the program ends and nothing reads the
        // tables again.
        const ResultsTables& tb = tables;
        if (!platform::programEnding()) {
            fuzzsupport::check(
                tb.recordCount >= 0 && tb.recordCount <= static_cast<int>(size / kResultRecordSize),
                "record count");
            for (int i = 1; i <= tb.recordCount; ++i) {
                const ResultEntry& e = tb.records[i];
                fuzzsupport::check(e.level >= 1 && e.level <= kMaxLevel && e.studentNo >= 1 &&
                                       e.studentNo <= kMaxStudent,
                                   "entries kept lie inside the tables");
            }
        }
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(results_log)
