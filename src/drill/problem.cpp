#include "drill/problem.h"

#include <utility>

#include "course/levels.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/sequential_text.h"

namespace drill {

namespace {

// Start values are kept well inside 32 bits so that start + 9 steps of 4 always fits.
constexpr qint64 kStartMin = -1000000000;
constexpr qint64 kStartMax = 1000000000;

// Step of the next value at a level: 1..maxStep drawn, or 1 without a draw when the
// level's step is fixed.
int nextStep(int level, platform::Random& random) {
    const int maxStep = course::level(level).maxStep;
    if (maxStep > 1) return static_cast<int>(platform::vbInt(random.next() * maxStep + 1));
    return 1;
}

int cardDraw(platform::Random& random) {
    return static_cast<int>(platform::vbInt(random.next() * kCardCount + 1));
}

}  // namespace

PictureConfig loadPictureConfig(const QString& path) {
    platform::SeqTextReader in = platform::SeqTextReader::open(path);
    PictureConfig config;
    config.startLow = static_cast<int>(in.readInteger(kStartMin, kStartMax));
    config.startHigh = static_cast<int>(in.readInteger(kStartMin, kStartMax));
    // A reversed range is taken as the Windows machines take it: the first number is then
    // drawn between startHigh + 1 and startLow.
    int rows = 0;
    while (!in.atEnd()) {
        if (rows == kPictureRows) {
            throw platform::RuntimeError(platform::errSubscriptOutOfRange, path,
                                         QStringLiteral("%1 行目: 絵の行が %2 行を超えています")
                                             .arg(in.lineNumber())
                                             .arg(kPictureRows));
        }
        ++rows;
        config.cardPicture[rows] = in.readString();
        config.donePicture[rows] = in.readString();
    }
    if (rows < kPictureRows) {
        throw platform::RuntimeError(platform::errInputPastEnd, path,
                                     QStringLiteral("絵の行が %1 行しかありません (%2 行必要です)")
                                         .arg(rows)
                                         .arg(kPictureRows));
    }
    return config;
}

Problem generateProblem(int level, const PictureConfig& config, platform::Random& random) {
    Problem problem;
    problem.cardPictureRow = cardDraw(random);

    auto& cards = problem.cards;
    const double span = static_cast<double>(config.startHigh) - config.startLow + 1;
    cards[1] = {1, static_cast<int>(platform::vbInt(config.startLow + span * random.next()))};
    for (int i = 2; i <= kCardCount; ++i)
        cards[i] = {i, cards[i - 1].value + nextStep(level, random)};

    for (int k = 0; k < 30; ++k) {
        const int a = cardDraw(random);
        const int b = cardDraw(random);
        std::swap(cards[a], cards[b]);
    }
    return problem;
}

int donePictureRow(int level) {
    return level >= 1 && level <= kPictureRows ? level : 0;
}

}  // namespace drill
