#include "state/roster.h"

namespace state {

Roster& roster() {
    static Roster theRoster;
    return theRoster;
}

}  // namespace state
