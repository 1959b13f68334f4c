// "設定.txt" and "共通データ.txt" (the input's two parts), read by the start-up.
#include "app/start_up.h"
#include "course/grades.h"
#include "fuzz_support.h"
#include "platform/errors.h"
#include "roster/roster.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    fuzzsupport::freshProgram();
    QByteArray settings, common;
    fuzzsupport::splitInput(data, size, &settings, &common);
    fuzzsupport::putFile(fuzzsupport::programFolder() + QStringLiteral("/設定.txt"), settings);
    // Both layouts look for the common data: the parent folder and its "files" folder.
    fuzzsupport::putFile(fuzzsupport::familyFolder() + QStringLiteral("共通データ.txt"), common);
    fuzzsupport::putFile(fuzzsupport::familyFolder() + QStringLiteral("files/共通データ.txt"),
                         common);
    try {
        loadSettings(fuzzsupport::programFolder());
        // The school year follows from the start month whatever it holds.
        const int year = schoolYearToday();
        fuzzsupport::check(year >= 1000 && year <= 9999, "school year");
        gradeMarker(gradeOf(2001));
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(settings)
