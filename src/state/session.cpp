#include "state/session.h"

#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"

namespace state {

void resetRunState() {
    settingsAtStartUp() = Settings{};
    course() = Course{};
    roster() = Roster{};
}

}  // namespace state
