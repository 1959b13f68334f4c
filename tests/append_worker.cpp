// Appends results from a separate process, so the tests can have several processes
// appending to the same log at once.
//   append_worker <dataFolder> <baseFolder> <studentNo> <count> [level]
// The time of record k (1..count) is k, so the reader can tell every record apart.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/shared_state.h"
#include "platform/errors.h"
#include "results/result_log.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr,
                     "usage: append_worker dataFolder baseFolder studentNo count [level]\n");
        return 2;
    }
    shared.dataFolder = args[1];
    shared.baseFolder = args[2];
    shared.currentStudentNo = static_cast<qint16>(args[3].toInt());
    const int count = args[4].toInt();
    shared.currentLevel = static_cast<qint16>(args.size() > 5 ? args[5].toInt() : 1);
    shared.classroomCode = QStringLiteral("W%1").arg(shared.currentStudentNo);
    try {
        for (int k = 1; k <= count; ++k) {
            shared.resultTime = k;
            appendResult();
        }
    } catch (const platform::RuntimeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
