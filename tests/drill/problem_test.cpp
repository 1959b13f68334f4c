#include "drill/problem.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <set>

#include "platform/clock.h"
#include "platform/errors.h"
#include "support/temp_files.h"

namespace {

using drill::PictureConfig;

QStringList tenRows() {
    QStringList rows;
    for (int n = 1; n <= 10; ++n) rows << QStringLiteral("\"絵%1.png\",\"済%1.png\"").arg(n);
    return rows;
}

class PictureConfigTest : public ::testing::Test {
  protected:
    QString write(const QStringList& lines) {
        const QString path = dir.path() + QStringLiteral("/picture.txt");
        EXPECT_TRUE(testfiles::writeAnsiLines(path, lines));
        return path;
    }
    // The error loading these lines raises (number 0 when none is raised).
    platform::RuntimeError loadError(const QStringList& lines) {
        const QString path = write(lines);
        try {
            drill::loadPictureConfig(path);
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.file(), path);
            return e;
        }
        ADD_FAILURE() << "no error for " << lines.join(u'|').toStdString();
        return platform::RuntimeError(0, {});
    }
    QTemporaryDir dir;
};

TEST_F(PictureConfigTest, ReadsStartRangeAndTenRows) {
    const PictureConfig c = drill::loadPictureConfig(write(QStringList{"3,7"} + tenRows()));
    EXPECT_EQ(c.startLow, 3);
    EXPECT_EQ(c.startHigh, 7);
    EXPECT_EQ(c.cardPicture[1], QStringLiteral("絵1.png"));
    EXPECT_EQ(c.donePicture[1], QStringLiteral("済1.png"));
    EXPECT_EQ(c.cardPicture[10], QStringLiteral("絵10.png"));
    EXPECT_EQ(c.donePicture[10], QStringLiteral("済10.png"));
}

TEST_F(PictureConfigTest, BadFilesRaiseAnErrorNamingTheFile) {
    const QString missing = dir.path() + QStringLiteral("/picture.txt");
    try {
        drill::loadPictureConfig(missing);
        FAIL() << "missing file accepted";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errFileNotFound);
        EXPECT_EQ(e.file(), missing);
    }
    EXPECT_EQ(loadError(QStringList{"abc,7"} + tenRows()).number(), platform::errTypeMismatch);
    EXPECT_EQ(loadError(QStringList{"3,x"} + tenRows()).number(), platform::errTypeMismatch);
    EXPECT_EQ(loadError(QStringList{"3,7"} + tenRows() + QStringList{"a.png,b.png"}).number(),
              platform::errSubscriptOutOfRange);
    // Nine rows: row 10 could be drawn and would be empty.
    EXPECT_EQ(loadError(QStringList{"3,7"} + tenRows().mid(0, 9)).number(),
              platform::errInputPastEnd);
    // A row without its done picture.
    EXPECT_EQ(loadError(QStringList{"3,7"} + tenRows().mid(0, 9) + QStringList{"a.png"}).number(),
              platform::errInputPastEnd);
}

// A generator for many reproducible runs.
class MtRandom : public platform::Random {
  public:
    double next() override { return dist_(engine_); }
    void seed(quint64 s) override { engine_.seed(s); }

  private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

PictureConfig range(int low, int high) {
    PictureConfig c;
    c.startLow = low;
    c.startHigh = high;
    return c;
}

TEST(GenerateProblem, InvariantsAtEveryLevel) {
    MtRandom random;
    const PictureConfig config = range(5, 20);
    for (int level = 1; level <= 4; ++level) {
        std::set<int> firstValues, pictureRows, maxima;
        for (quint64 seed = 1; seed <= 2000; ++seed) {
            random.seed(seed * 7919 + level);
            const drill::Problem p = drill::generateProblem(level, config, random);
            ASSERT_GE(p.cardPictureRow, 1);
            ASSERT_LE(p.cardPictureRow, 10);
            pictureRows.insert(p.cardPictureRow);
            // Ranks are a permutation of 1..10; values strictly increase with rank.
            std::array<int, 11> byRank{};
            byRank.fill(-1);
            for (int i = 1; i <= 10; ++i) {
                const int r = p.cards[i].rank;
                ASSERT_TRUE(r >= 1 && r <= 10);
                ASSERT_EQ(byRank[r], -1) << "rank " << r << " twice";
                byRank[r] = p.cards[i].value;
            }
            for (int r = 2; r <= 10; ++r) {
                const int step = byRank[r] - byRank[r - 1];
                ASSERT_GE(step, 1);
                ASSERT_LE(step, level);
            }
            ASSERT_GE(byRank[1], 5);
            ASSERT_LE(byRank[1], 20);
            ASSERT_GE(byRank[10], 5 + 9);
            ASSERT_LE(byRank[10], 20 + 9 * level);
            firstValues.insert(byRank[1]);
            maxima.insert(byRank[10] - byRank[1]);
        }
        // Every start value and every picture row is drawn; steps above 1 do occur.
        EXPECT_EQ(firstValues.size(), 16u) << "level " << level;
        EXPECT_EQ(pictureRows.size(), 10u) << "level " << level;
        EXPECT_EQ(*maxima.rbegin() > 9, level > 1) << "level " << level;
    }
}

TEST(GenerateProblem, LevelOneFromOneToOneGivesOneToTen) {
    MtRandom random;
    random.seed(42);
    bool moved = false;
    for (int k = 0; k < 50; ++k) {
        const drill::Problem p = drill::generateProblem(1, range(1, 1), random);
        for (int i = 1; i <= 10; ++i) ASSERT_EQ(p.cards[i].value, p.cards[i].rank);
        for (int i = 1; i <= 10; ++i) moved = moved || p.cards[i].rank != i;
    }
    EXPECT_TRUE(moved) << "the cards are never shuffled";
}

// Draws for a problem: picture row, first value, increments (levels 2..4), 30 swap pairs.
QList<double> draws(double row, double first, const QList<double>& steps,
                    const QList<double>& swaps) {
    QList<double> d{row, first};
    d += steps;
    d += swaps;
    while (d.size() < 2 + steps.size() + 60) d.append(0.0);  // a = b = 1: no change
    return d;
}

TEST(GenerateProblem, UsesTheDrawsInOrder) {
    // Level 2 from [5, 8]: row Int(0.35*10+1) = 4, first Int(5 + 4*0.6) = 7, steps 1 or 2,
    // then the swaps (1,10) and (2,3), the rest a = b.
    platform::SequenceRandom random(draws(
        0.35, 0.6, {0.1, 0.7, 0.2, 0.99, 0.0, 0.5, 0.49, 0.6, 0.3}, {0.05, 0.95, 0.15, 0.25}));
    const drill::Problem p = drill::generateProblem(2, range(5, 8), random);
    EXPECT_EQ(p.cardPictureRow, 4);
    // Values by rank: 7, 8, 10, 11, 13, 14, 16, 17, 19, 20.
    const int values[] = {0, 20, 10, 8, 11, 13, 14, 16, 17, 19, 7};
    const int ranks[] = {0, 10, 3, 2, 4, 5, 6, 7, 8, 9, 1};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(p.cards[i].value, values[i]) << "card " << i;
        EXPECT_EQ(p.cards[i].rank, ranks[i]) << "card " << i;
    }
}

TEST(GenerateProblem, LevelOneDrawsNoSteps) {
    // Without increment draws the swap pair (1, 10) follows the first value at once.
    platform::SequenceRandom random(draws(0.99, 0.0, {}, {0.05, 0.95}));
    const drill::Problem p = drill::generateProblem(1, range(3, 9), random);
    EXPECT_EQ(p.cardPictureRow, 10);
    EXPECT_EQ(p.cards[1].value, 12);
    EXPECT_EQ(p.cards[1].rank, 10);
    EXPECT_EQ(p.cards[10].value, 3);
    EXPECT_EQ(p.cards[10].rank, 1);
    EXPECT_EQ(p.cards[5].value, 7);
}

TEST(GenerateProblem, LevelFourAndLevelsWithoutARule) {
    // Level 4: Int(r*4+1) over 0.0, 0.25, 0.5, 0.75, 0.999 gives 1, 2, 3, 4, 4.
    platform::SequenceRandom four(
        draws(0.0, 0.0, {0.0, 0.25, 0.5, 0.75, 0.999, 0.0, 0.0, 0.0, 0.0}, {}));
    const drill::Problem p = drill::generateProblem(4, range(1, 1), four);
    const int expected[] = {0, 1, 2, 4, 7, 11, 15, 16, 17, 18, 19};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(p.cards[i].value, expected[i]);
    // Level 7 has no increment rule: steps of 1, no draws.
    platform::SequenceRandom seven(draws(0.0, 0.0, {}, {}));
    const drill::Problem q = drill::generateProblem(7, range(4, 4), seven);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(q.cards[i].value, 3 + i);
}

TEST(ProblemTexts, DoneRow) {
    EXPECT_EQ(drill::donePictureRow(3), 3);
    EXPECT_EQ(drill::donePictureRow(10), 10);
    EXPECT_EQ(drill::donePictureRow(11), 0);
    EXPECT_EQ(drill::donePictureRow(0), 0);
}

TEST(GenerateProblem, AReversedStartRangeDrawsBetweenItsEnds) {
    // Taken as the Windows machines take it: Int(7 + (3 - 7 + 1) * r) lies in 4..7.
    std::set<int> firsts;
    for (const double r : {0.0, 0.3, 0.5, 0.7, 0.999999}) {
        platform::SequenceRandom random{{r}};
        const drill::Problem p = drill::generateProblem(1, range(7, 3), random);
        int smallest = p.cards[1].value;
        for (int i = 2; i <= drill::kCardCount; ++i)
            smallest = std::min(smallest, p.cards[i].value);
        firsts.insert(smallest);
    }
    EXPECT_EQ(firsts, (std::set<int>{4, 5, 6, 7}));
}

}  // namespace
