#include "state/session.h"

#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"

namespace state {

Session& session() {
    static Session current;
    return current;
}

void resetRunState() {
    session() = Session{};
    settingsAtStartUp() = Settings{};
    course() = Course{};
    roster() = Roster{};
}

}  // namespace state
