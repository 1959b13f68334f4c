#pragma once

#include <QString>
#include <array>

#include "platform/clock.h"

// Cards, pictures and the numbers of one problem of the drill screen.
namespace drill {

constexpr int kCardCount = 10;    // cards 1..10
constexpr int kPictureRows = 10;  // picture rows 1..10 of "picture.txt"

// "picture.txt" in the program folder: the range of the first number and ten rows of
// pictures (the card picture shown on all cards, the picture of a card pressed right).
struct PictureConfig {
    int startLow = 0;
    int startHigh = 0;
    std::array<QString, kPictureRows + 1> cardPicture;  // rows 1..10 (0 unused)
    std::array<QString, kPictureRows + 1> donePicture;
};

// Reads "picture.txt": line 1 startLow, startHigh; then "card picture, done picture" rows
// until the end of the file. Raises a run-time error naming the file when it is missing,
// a start value is not a number or out of order, or it does not hold exactly ten rows.
PictureConfig loadPictureConfig(const QString& path);

struct ProblemCard {
    int rank = 0;   // 1..10, position of the value in ascending order
    int value = 0;  // the number shown on the card
};

struct Problem {
    std::array<ProblemCard, kCardCount + 1> cards;  // cards 1..10 (0 unused)
    int cardPictureRow = 1;                         // row of the picture shown on all cards
};

// Builds one problem: the card picture row first, then the ten values from a start in
// [startLow, startHigh] growing by the level's step, then 30 swaps of two cards.
// Levels 1..4 step by 1, 1..2, 1..3 and 1..4; any other level steps by 1 (no draw): the
// step of the level table.
Problem generateProblem(int level, const PictureConfig& config, platform::Random& random);

// Row of the done picture for a level (the level itself), 0 when the level has none
// (outside 1..10): the done picture shown before is kept then.
int donePictureRow(int level);

}  // namespace drill
