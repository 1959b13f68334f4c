#pragma once

#include <QString>

#include "state/settings_file.h"

// Settings load, title, level targets and sound table: everything before the first window.
void startUp(const QString& programDir);
