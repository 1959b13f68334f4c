#pragma once

#include "setup/setup_options.h"
#include "setup/setup_types.h"

// narabitouch-setup student add, list, retire and restore: the roster of a family folder,
// each change rewriting only its own line.
int studentCommand(const SetupRequest& request, const SetupOutput& out);
