#pragma once

#include <QString>

// Loads "タイム回数データ.txt" from the data folder into state::course().levelTargets
// (levels 1..35). The practice levels of the course run against 600 seconds whatever the file says.
// A missing file, a malformed value or a 36th line raises a run-time error naming the file.
void loadLevelTargets();
void loadLevelTargetsFrom(const QString& path);
