// Appends results from a separate process, so the tests can have several processes
// appending to the same log at once.
//   append_worker <dataFolder> <baseFolder> <studentNo> <count> [level]
// The time of record k (1..count) is k, so the reader can tell every record apart.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/hensuu1.h"
#include "platform/errors.h"
#include "results/resultlog.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr,
                     "usage: append_worker dataFolder baseFolder studentNo count [level]\n");
        return 2;
    }
    hensuu1.dataFolder = args[1];
    hensuu1.baseFolder = args[2];
    hensuu1.currentStudentNo = static_cast<qint16>(args[3].toInt());
    const int count = args[4].toInt();
    hensuu1.currentLevel = static_cast<qint16>(args.size() > 5 ? args[5].toInt() : 1);
    hensuu1.classroomCode = QStringLiteral("W%1").arg(hensuu1.currentStudentNo);
    try {
        for (int k = 1; k <= count; ++k) {
            hensuu1.resultTime = k;
            appendResult();
        }
    } catch (const platform::RuntimeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
