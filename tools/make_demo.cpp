// Lays out a demo family folder: the family folder of a new installation (settings,
// roster, sounds, program folder with its targets, pictures and help pages) with three
// students, and a results log with some weeks of invented runs.
//
//   make_demo <family folder> <program folder name>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <random>

#include "platform/dates.h"
#include "results/result_log.h"
#include "setup/family_layout.h"

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_demo: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// About five weeks of runs of the three students at levels 1..4, a few of them today, one
// that ran out of time and a slow one; in date order as a classroom machine appends them.
// Today's runs lie in the hour before `now`, never after it.
QByteArray demoHistory(const QDateTime& now) {
    const QDate today = now.date();
    const int nowSeconds = now.time().msecsSinceStartOfDay() / 1000;
    std::mt19937 random(20261208);
    const double todayCount = platform::dayCountFromDate(today);
    QByteArray bytes;
    for (int daysAgo = 35; daysAgo >= 0; --daysAgo) {
        // Today and two days with a notable run always have drills.
        const bool special = daysAgo == 0 || daysAgo == 4 || daysAgo == 10;
        if (!special && (today.addDays(-daysAgo).dayOfWeek() >= 6 || random() % 3 == 0))
            continue;  // weekends and some days without drills
        for (int student = 1; student <= 3; ++student) {
            const int runs = 1 + static_cast<int>(random() % 3);
            for (int k = 0; k < runs; ++k) {
                ResultRecord r;
                r.date = todayCount - daysAgo;
                const int base = daysAgo == 0 ? std::max(0, nowSeconds - 3700) : 15 * 3600;
                int seconds = base + student * 900 + k * 240 + static_cast<int>(random() % 200);
                if (daysAgo == 0) seconds = std::min(seconds, std::max(0, nowSeconds - 1));
                r.timeOfDay = seconds / 86400.0;
                r.studentNo = static_cast<qint16>(student);
                r.level = static_cast<qint16>(1 + std::min<int>(3, (35 - daysAgo) / 10 + k % 2));
                const int pass = 30 + 5 * (r.level - 1);
                r.time = static_cast<qint32>(pass - 8 + student * 3 + random() % 15 - daysAgo / 5);
                if (daysAgo == 10 && student == 2 && k == 0) r.time = 99999;  // out of time
                if (daysAgo == 4 && student == 3 && k == 0) r.time = 105;     // a slow day
                r.classroom = QStringLiteral("12345");
                bytes += r.toBytes();
            }
        }
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_demo <family folder> <program folder name>\n");
        return 2;
    }
    const QString dataFolder = findDataFolder(QCoreApplication::applicationDirPath());
    if (dataFolder.isEmpty()) {
        std::fprintf(stderr, "make_demo: no data folder (share/narabitouch) beside %s\n",
                     qPrintable(QCoreApplication::applicationDirPath()));
        return 1;
    }
    const QDir family(args[1]);
    const QString programName = args[2];

    // Three students of different grades in the current school year.
    const QDateTime now = QDateTime::currentDateTime();
    const QDate today = now.date();
    const int schoolYear = today.month() < 4 ? today.year() - 1 : today.year();
    const std::vector<NewStudent> students = {{QStringLiteral("山田花子"), schoolYear - 6 - 2},
                                              {QStringLiteral("佐藤太郎"), schoolYear - 6 - 5},
                                              {QStringLiteral("鈴木一郎"), schoolYear - 6 - 8}};
    const FamilySettings settings{4, QStringLiteral("12345"), QStringLiteral("さくら教室")};

    // A results log with some weeks of history, so that the rankings and run lists have
    // something to show. An existing log is kept.
    const QString log = family.filePath(programName) + QStringLiteral("/成績累積データ.dat");
    const bool newLog = !QFileInfo::exists(log);
    const QString problem =
        layOutFamily(family.path(), settings, students, dataFolder, programName);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "make_demo: %s\n", qPrintable(problem));
        return 1;
    }
    if (newLog && !writeBytes(log, demoHistory(now))) return 1;
    std::printf("demo family folder laid out in %s\n", qPrintable(family.absolutePath()));
    return 0;
}
