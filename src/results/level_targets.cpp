#include "results/level_targets.h"

#include <limits>

#include "course/levels.h"
#include "platform/errors.h"
#include "platform/sequential_text.h"
#include "state/course.h"
#include "state/settings.h"

namespace {

qint32 read32(platform::SeqTextReader& in) {
    return static_cast<qint32>(
        in.readInteger(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

qint16 read16(platform::SeqTextReader& in) {
    return static_cast<qint16>(
        in.readInteger(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

}  // namespace

void loadLevelTargets() {
    loadLevelTargetsFrom(state::levelTargetsPath());
}

void loadLevelTargetsFrom(const QString& path) {
    state::course().levelTargets = {};
    platform::SeqTextReader in = platform::SeqTextReader::open(path);
    // Rows are read into a scratch table and taken over only when the whole file has
    // been read.
    std::array<LevelTarget, kMaxLevel + 1> targets{};
    int n = 0;
    while (!in.atEnd()) {
        ++n;
        if (n > kMaxLevel) {
            throw platform::RuntimeError(
                platform::errSubscriptOutOfRange, path,
                QStringLiteral("%1 行目: レベルは %2 までです").arg(n).arg(kMaxLevel));
        }
        LevelTarget& t = targets[n];
        t.passTime = read32(in);
        const int line = in.lastValueLine();
        t.secondTime = read32(in);
        t.clearPoints = read32(in);
        t.clearCount = read16(in);
        t.pointWeight = read32(in);
        t.freeCount = in.readNumber();
        t.freePoints = in.readNumber();
        t.clearWindowDays = in.readNumber();
        t.freeWindowDays = in.readNumber();
        for (double& extra : t.extra) extra = in.readNumber();
        // A line with more or fewer than twelve values would shift every later level
        // silently: refuse it.
        const bool moreOnLine = !in.atEnd() && in.lineNumber() == in.lastValueLine();
        if (in.lastValueLine() != line || moreOnLine) {
            throw platform::RuntimeError(
                platform::errTypeMismatch, path,
                QStringLiteral("%1 行目: 値は 1 行に 12 個必要です").arg(line));
        }
    }
    course::applyPracticeOverride(course::kCourseLevels, targets);
    state::course().levelTargets = targets;
}
