#include "app/start_up.h"

#include "course/catalogue.h"
#include "results/level_targets.h"
#include "state/settings.h"

void startUp(const QString& programDir, ProgramState& state) {
    loadSettings(programDir);
    catalogue::setTitle();
    loadLevelTargets();
    state.sounds.load(state::settings().soundFolder);
}
