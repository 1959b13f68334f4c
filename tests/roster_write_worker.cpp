// Rewrites a roster over and over from a separate process, so that a test can kill it at
// any moment. Writes the contents of <first> and <second> (roster files) in turn to
// "生徒用名簿.txt" in <folder>, and prints one line once the loop runs.
//   roster_write_worker <folder> <first> <second>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "platform/errors.h"
#include "roster/name_change.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: roster_write_worker folder first second\n");
        return 2;
    }
    try {
        const std::vector<RosterLine> contents[2] = {readRosterFile(args[2]),
                                                     readRosterFile(args[3])};
        const QString roster = args[1] + QStringLiteral("/生徒用名簿.txt");
        std::printf("writing\n");
        std::fflush(stdout);
        for (unsigned k = 0;; ++k) writeRosterLines(roster, contents[k % 2]);
    } catch (const platform::RuntimeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
