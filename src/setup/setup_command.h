#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "setup/setup_types.h"

// narabitouch-setup: lays out a new family folder and adds, lists, retires and restores
// the students of its roster (see --help). Nothing is written when an input is refused.

// The whole command: arguments (without the program's own name) in, messages out, an exit
// code back.
int runSetup(const QStringList& args, const SetupPlaces& places, const SetupOutput& out);
