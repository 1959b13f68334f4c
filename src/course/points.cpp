#include "course/points.h"

#include <cmath>

#include "course/run_times.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "state/course.h"

int basePoints(qint32 t, qint32 p, int level) {
    // The targets file must give every level in use a positive pass time; the statistics
    // rebuild reports the same fault.
    if (p <= 0) {
        throw platform::RuntimeError(
            platform::errDivisionByZero, state::levelTargetsPath(),
            QStringLiteral("level %1: passTime %2 (must be positive)").arg(level).arg(p));
    }
    if (course::isNoResult(t)) return 0;
    const qint64 time = t;
    const qint64 pass = p;
    if (time <= pass) {
        const double ratio = static_cast<double>(pass - time) / static_cast<double>(pass);
        return static_cast<int>(platform::vbInt(std::pow(ratio, 3.0) * 50.0 + 5.0));
    }
    if (time < 2 * pass) return 4;
    if (time < 10 * pass) return 1;
    return 0;
}

qint64 weightedPoints(double pointWeight, int base) {
    return platform::vbInt(pointWeight * base);
}

int timeKey(qint32 t) {
    if (t >= 0) {
        while (t >= 1000) t /= 10;
        return t;
    }
    qint64 a = -static_cast<qint64>(t);
    while (a >= 100) a /= 10;
    return -static_cast<int>(a);
}

int logBasePoints(qint32 t, qint64 passTime) {
    if (course::isNoResult(t)) return 0;
    if (t <= passTime) {
        const double r = static_cast<double>(passTime - timeKey(t)) / static_cast<double>(passTime);
        return static_cast<int>(std::floor(r * r * r * 50.0 + 5.0));
    }
    if (t >= 10 * passTime) return 0;
    if (t >= 2 * passTime) return 1;
    return 4;
}

int basePointsFor(qint32 t, qint32 passTime) {
    if (passTime <= 0)
        throw platform::RuntimeError(platform::errDivisionByZero, state::levelTargetsPath(),
                                     QStringLiteral("passTime=%1").arg(passTime));
    return logBasePoints(t, passTime);
}

qint32 drillPoints(int base, qint32 pointWeight) {
    const float product = static_cast<float>(base) * static_cast<float>(pointWeight);
    const float p = std::floor(product);
    // 2^31 is the first float beyond the 32-bit range.
    if (!(p >= -2147483648.0f && p < 2147483648.0f))
        throw platform::RuntimeError(
            platform::errOverflow, state::levelTargetsPath(),
            QStringLiteral("points %1 x pointWeight %2").arg(base).arg(pointWeight));
    return static_cast<qint32>(p);
}
