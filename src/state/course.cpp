#include "state/course.h"

#include "state/settings.h"

namespace state {

Course& course() {
    static Course theCourse;
    return theCourse;
}

QString levelTargetsPath() {
    return settings().dataFolder + QStringLiteral("タイム回数データ.txt");
}

}  // namespace state
