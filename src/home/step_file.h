#pragma once

#include <QString>

// "ステップ原.dat" in the data folder: 5000 records of 8 bytes, all zero.
QString stepFilePath();
constexpr int kStepFileRecords = 5000;
constexpr int kStepRecordSize = 8;

// Writes the blank step file whole (the old file stays until the new one is complete);
// raises a run-time error naming the file when it cannot.
void clearStepFile();
// What the button says once the file is written.
QString stepFileClearedText();
