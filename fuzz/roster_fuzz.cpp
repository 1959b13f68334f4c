// "生徒用名簿.txt", or, when the first byte is odd, only "生徒用名簿temp.txt", which the
// recovery takes over; then the load with its home-use limit.
#include "fuzz_support.h"
#include "platform/errors.h"
#include "roster/roster.h"
#include "state/roster.h"
#include "state/settings.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    fuzzsupport::freshProgram();
    state::settingsAtStartUp().schoolYearStartMonth = 4;
    state::settingsAtStartUp().status2Active = data[0] & 2 ? 1 : 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const bool fromTemp = data[0] & 1;
    fuzzsupport::putFile(rosterPath(), fromTemp ? QByteArray() : bytes);
    fuzzsupport::putFile(
        state::settingsAtStartUp().baseFolder + QStringLiteral("生徒用名簿temp.txt"),
        fromTemp ? bytes : QByteArray());
    try {
        recoverRoster();
        int active = 0;
        loadRoster([&](const RosterEntry& e, const QString&) {
            ++active;
            fuzzsupport::check(e.studentNo >= 0 && e.studentNo <= kMaxStudent, "student number");
        });
        fuzzsupport::check(active <= 4 && state::roster().count <= 4, "home-use limit");
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(roster)
