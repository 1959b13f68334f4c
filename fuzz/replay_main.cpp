// Replays kept fuzz inputs through the targets, without a fuzzing engine:
//   fuzz_replay <corpus folder> <target>
// runs every file of <corpus folder>/<target>/ once. A crash, a sanitizer report or a
// broken rule stops it; otherwise it prints how many inputs passed.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <map>
#include <string>

#include "fuzz_support.h"

namespace fuzzsupport {

std::map<std::string, Target>& targets() {
    static std::map<std::string, Target> all;
    return all;
}

bool registerTarget(const char* name, Target target) {
    targets()[name] = target;
    return true;
}

}  // namespace fuzzsupport

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_replay <corpus folder> <target>\n");
        return 2;
    }
    const auto found = fuzzsupport::targets().find(argv[2]);
    if (found == fuzzsupport::targets().end()) {
        std::fprintf(stderr, "no target %s\n", argv[2]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]) + u'/' + QString::fromLocal8Bit(argv[2]));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    int passed = 0;
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) return 1;
        const QByteArray bytes = file.readAll();
        found->second(reinterpret_cast<const uint8_t*>(bytes.constData()),
                      static_cast<size_t>(bytes.size()));
        ++passed;
    }
    std::printf("replayed %d inputs\n", passed);
    return passed > 0 ? 0 : 1;
}
