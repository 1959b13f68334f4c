// "picture.txt", then a problem of the level the first byte names, built from it; the
// picture names go through the file-name resolution of names read from files.
#include <algorithm>

#include "course/levels.h"
#include "drill/problem.h"
#include "fuzz_support.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "state/settings.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    fuzzsupport::freshProgram();
    const int level = static_cast<int8_t>(data[0]);
    const QString path = state::settingsAtStartUp().programFolder + QStringLiteral("picture.txt");
    fuzzsupport::putFile(path, QByteArray(reinterpret_cast<const char*>(data + 1),
                                          static_cast<qsizetype>(size - 1)));
    try {
        const drill::PictureConfig config = drill::loadPictureConfig(path);
        for (const double r : {0.0, 0.5, 0.999999999}) {
            platform::SequenceRandom random{{r}};
            const drill::Problem p = drill::generateProblem(level, config, random);
            fuzzsupport::check(p.cardPictureRow >= 1 && p.cardPictureRow <= drill::kCardCount,
                               "card picture row");
            // Every rank once, values growing with the rank.
            int valueOfRank[drill::kCardCount + 1] = {};
            bool seen[drill::kCardCount + 1] = {};
            for (int i = 1; i <= drill::kCardCount; ++i) {
                const int rank = p.cards[i].rank;
                fuzzsupport::check(rank >= 1 && rank <= drill::kCardCount && !seen[rank], "ranks");
                seen[rank] = true;
                valueOfRank[rank] = p.cards[i].value;
            }
            for (int rank = 2; rank <= drill::kCardCount; ++rank)
                fuzzsupport::check(valueOfRank[rank] > valueOfRank[rank - 1], "values increase");
        }
        course::level(level);
        const int row = drill::donePictureRow(level);
        fuzzsupport::check(row >= 0 && row <= drill::kPictureRows, "done picture row");
        for (int n = 1; n <= drill::kPictureRows; ++n) {
            platform::resolveFileName(state::settingsAtStartUp().programFolder,
                                      config.cardPicture[n]);
            platform::resolveFileName(state::settingsAtStartUp().programFolder,
                                      config.donePicture[n]);
        }
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(picture)
