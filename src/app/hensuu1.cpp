#include "app/hensuu1.h"

Hensuu1 hensuu1;

void resetSharedState() {
    hensuu1 = Hensuu1{};
}

bool isPracticeLevel(int level) {
    if (level < 0 || level > kMaxLevel) return false;
    return hensuu1.levelNames[level].contains(QStringLiteral("練"));
}
