#include "state/settings.h"

namespace state {

namespace {
Settings theSettings;
}  // namespace

const Settings& settings() {
    return theSettings;
}

Settings& settingsAtStartUp() {
    return theSettings;
}

}  // namespace state
