#include "app/shared_state.h"

SharedState shared;

void resetSharedState() {
    shared = SharedState{};
}

bool isPracticeLevel(int level) {
    if (level < 0 || level > kMaxLevel) return false;
    return shared.levelNames[level].contains(QStringLiteral("練"));
}
