#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "roster/roster.h"

// A roster file held as its lines of bytes, so that adding a line or changing one line's
// values or status rewrites that line alone and keeps the bytes of every other line (blank lines,
// line ends and whatever follows an end-of-file mark included).
class RosterText {
  public:
    // Reads the roster; a missing or malformed file raises a run-time error naming it
    // (and the line).
    static RosterText read(const QString& path);

    // The lines with values, in file order.
    const std::vector<RosterLine>& lines() const { return lines_; }

    // The bytes of line `index` of lines() as they stand, without the line end.
    const QByteArray& lineText(size_t index) const { return pieces_[pieceOfLine_.at(index)].text; }

    // Gives line `index` of lines() a new status; its other values are written back.
    void setStatus(size_t index, double status);
    // Gives line `index` of lines() new values; its status is written back.
    void setEntry(size_t index, const RosterEntry& entry);
    // Adds a line at the end.
    void append(const RosterEntry& entry, double status);

    QByteArray bytes() const;
    // Replaces the roster through "生徒用名簿temp.txt" beside it: a stop at any moment
    // leaves the old or the new roster. Raises a run-time error naming it on failure.
    void save() const;

  private:
    struct Piece {
        QByteArray text;  // the line without its end
        QByteArray end;   // "\r\n", "\n", "\r" or nothing (the last line)
    };

    QString path_;
    std::vector<Piece> pieces_;
    std::vector<size_t> pieceOfLine_;  // index of lines() -> index of pieces_
    std::vector<RosterLine> lines_;
    QByteArray tail_;  // from the end-of-file mark on
};

// Whether the program loads a roster whose lines, in file order, are active or not: it
// stops at a line that arrives while kHomeUseLimit active lines are already counted.
bool rosterLoadsAtHome(const std::vector<bool>& activeLines);
