#pragma once

#include <QByteArray>
#include <QString>

#include "setup/setup_options.h"
#include "setup/setup_types.h"

// narabitouch-setup new: a new family folder with its common data, roster, sounds, program
// folder and desktop launcher. Nothing of it is left behind when a step fails.
int newFamily(const SetupRequest& request, const SetupPlaces& places, const SetupOutput& out);

// A word as a POSIX shell reads it back: as it is when it holds only plain characters,
// otherwise in single quotes.
QString shellWord(const QString& text);
