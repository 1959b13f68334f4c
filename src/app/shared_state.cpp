#include "app/shared_state.h"

#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"

SharedState shared;

void resetSharedState() {
    shared = SharedState{};
    state::settingsAtStartUp() = state::Settings{};
    state::course() = state::Course{};
    state::roster() = state::Roster{};
}
