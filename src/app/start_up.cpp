#include "app/start_up.h"

#include "course/catalogue.h"
#include "results/level_targets.h"
#include "sound/sound.h"

void startUp(const QString& programDir) {
    loadSettings(programDir);
    catalogue::setTitle();
    loadLevelTargets();
    loadSoundTable();
}
