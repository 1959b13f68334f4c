#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "roster/roster.h"

// The home-use editing of the roster: one row per active roster line (what the name list
// offers), in roster order, up to the home-use limit, each with a birth year and a name.
// A retired line has no row (the set-up command's "student restore" brings it back).

// The texts of one row's birth-year and name boxes.
struct NameChangeRow {
    QString birthYearText;
    QString nameText;
};

// The rows of the window and the roster lines they edit, as the window was filled.
class NameChangeSheet {
  public:
    // Reads the roster; a missing or malformed roster raises a run-time error naming it.
    static NameChangeSheet read(const QString& path);

    // The lines the rows edit, in row order.
    std::vector<RosterLine> rowLines() const;

    // "変更": reads the roster again and, when every row's line is still there as the
    // window read it, puts each row's name and birth year (as the typing rules store them)
    // into its line (a birth year left as shown is kept as it is, even one outside the rule)
    // and replaces the roster; every other line keeps its bytes, and so does
    // a row's line whose values stay the same. Returns an empty text, or one message naming
    // the rows whose lines are gone or changed, or every row that cannot be stored and why;
    // nothing is written then. After a write the sheet holds the roster as written.
    QString save(const std::vector<NameChangeRow>& rows, int schoolYear);

  private:
    struct Row {
        size_t index = 0;  // in the roster's lines
        QByteArray text;   // the line's bytes when read
        RosterLine line;
    };

    QString path_;
    std::vector<Row> rows_;
};

// Rewrites the whole roster from the lines, in their order.
void writeRosterLines(const QString& path, const std::vector<RosterLine>& lines);
