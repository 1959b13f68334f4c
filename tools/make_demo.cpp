// Lays out a demo family folder: the shared settings and roster in the family folder,
// the sound folder, and the program folder with its settings, targets and pictures.
//
//   make_demo <family folder> <program folder name>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <random>

#include "demo_media.h"
#include "platform/dates.h"
#include "platform/sequential_text.h"
#include "results/result_log.h"

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_demo: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeText(const QString& path, const QList<QVariantList>& lines) {
    platform::SeqTextWriter writer;
    for (const QVariantList& line : lines) writer.writeLine(line);
    return writeBytes(path, writer.bytes());
}

// Sections of the sound table with the tones of their files.
struct SoundFiles {
    const char* section;
    QList<QPair<QString, QList<Tone>>> files;
};

// About five weeks of runs of the three students at levels 1..4, a few of them today, one
// that ran out of time and a slow one; in date order as a classroom machine appends them.
QByteArray demoHistory(const QDate& today) {
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
                r.timeOfDay = (15 * 3600 + student * 900 + k * 240 + random() % 200) / 86400.0;
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_demo <family folder> <program folder name>\n");
        return 2;
    }
    const QDir family(args[1]);
    const QString programName = args[2];
    const QString programDir = family.filePath(programName);
    const QString soundDir = family.filePath(QStringLiteral("音フォルダ"));
    if (!QDir().mkpath(programDir) || !QDir().mkpath(soundDir)) {
        std::fprintf(stderr, "make_demo: cannot create the folders under %s\n",
                     qPrintable(args[1]));
        return 1;
    }
    bool ok = true;
    const auto S = [](const char* text) { return QVariant(QString::fromUtf8(text)); };
    const auto N = [](double v) { return QVariant(v); };

    // Common data: school year from April, classroom code and name, status switch, and
    // seven values no program of the family needs here.
    ok &= writeText(family.filePath(QStringLiteral("共通データ.txt")), {{N(4)},
                                                                        {S("12345さくら教室")},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)},
                                                                        {N(0)}});

    // Roster: three students of different grades in the current school year.
    const QDate today = QDate::currentDate();
    const int schoolYear = today.month() < 4 ? today.year() - 1 : today.year();
    const auto pad = [](const char* text) {
        QString s = QString::fromUtf8(text);
        return QVariant(s + QString(20 - s.size(), u' '));
    };
    const QVariant blank = QVariant(QString(20, u' '));
    ok &=
        writeText(family.filePath(QStringLiteral("生徒用名簿.txt")),
                  {{N(1), N(schoolYear - 6 - 2), N(0), N(0), pad("山田花子"), N(0), blank, blank},
                   {N(2), N(schoolYear - 6 - 5), N(0), N(0), pad("佐藤太郎"), N(0), blank, blank},
                   {N(3), N(schoolYear - 6 - 8), N(0), N(0), pad("鈴木一郎"), N(0), blank, blank}});

    // Sounds.
    const QList<SoundFiles> sounds = {
        {"正解音1",
         {{"kaiketsu1", {{784, 90}, {988, 90}, {1175, 90}, {1568, 220}}},
          {"kaiketsu2", {{659, 90}, {880, 90}, {1319, 240}}}}},
        {"正解音2", {{"pin", {{1319, 70}}}, {"pon", {{1175, 70}}}}},
        {"間違い音1", {{"bu", {{196, 160}, {0, 30}, {185, 160}}}}},
        {"間違い音2", {{"bubu", {{220, 120}, {0, 40}, {220, 120}}}}},
        {"最高音1", {{"saikou1", {{1047, 120}, {1319, 120}, {1568, 300}}}}},
        {"最高音2", {{"saikou2", {{1319, 120}, {1568, 300}}}}},
        {"自己最高音1", {{"jiko1", {{880, 120}, {1109, 250}}}}},
        {"自己最高音2", {{"jiko2", {{784, 110}, {988, 110}, {1319, 300}}}}},
        {"自己最高音3", {{"jiko3", {{659, 120}, {988, 250}}}}},
        {"不合格音1", {{"zannen", {{392, 200}, {330, 200}, {262, 350}}}}},
    };
    QList<QVariantList> table;
    for (const SoundFiles& entry : sounds) {
        table.append({S(entry.section)});
        for (const auto& file : entry.files) {
            table.append({QVariant(file.first)});
            ok &= writeBytes(QDir(soundDir).filePath(file.first + QStringLiteral(".wav")),
                             makeWave(file.second));
        }
        table.append({S("*")});
    }
    ok &= writeText(QDir(soundDir).filePath(QStringLiteral("新音ファイル.txt")), table);
    ok &= writeBytes(QDir(soundDir).filePath(QStringLiteral("最高1.wav")),
                     makeWave({{1047, 150}, {1319, 150}, {1568, 150}, {2093, 400}}));
    ok &= writeBytes(
        QDir(soundDir).filePath(QStringLiteral("合格.wav")),
        makeWave({{523, 150}, {659, 150}, {784, 150}, {1047, 150}, {784, 120}, {1047, 450}}));

    // Program folder: settings (flat layout), targets, pictures.
    const QDir prog(programDir);
    ok &=
        writeText(prog.filePath(QStringLiteral("設定.txt")),
                  {{N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}, {N(0)}});

    // passTime, secondTime, clearPoints, clearCount, pointWeight, freeCount, freePoints,
    // clearWindowDays, freeWindowDays and three kept values.
    QList<QVariantList> targets = {
        {N(30), N(45), N(100), N(3), N(1), N(5), N(0), N(7), N(7), N(0), N(0), N(0)},
        {N(35), N(55), N(100), N(3), N(2), N(5), N(0), N(7), N(7), N(0), N(0), N(0)},
        {N(40), N(60), N(100), N(3), N(3), N(5), N(0), N(7), N(7), N(0), N(0), N(0)},
        {N(45), N(70), N(100), N(3), N(4), N(5), N(0), N(7), N(7), N(0), N(0), N(0)},
    };
    for (int level = 5; level <= 20; ++level) {
        const bool practice = level % 2 == 1;
        targets.append({N(60), N(90), N(practice ? 9999 : 100), N(3), N(1), N(0), N(0), N(7), N(7),
                        N(0), N(0), N(0)});
    }
    ok &= writeText(prog.filePath(QStringLiteral("タイム回数データ.txt")), targets);

    QList<QVariantList> pictures = {{N(1), N(20)}};
    for (int i = 0; i < 10; ++i) {
        const QString card = QStringLiteral("card%1.bmp").arg(i + 1);
        const QString done = QStringLiteral("done%1.bmp").arg(i + 1);
        ok &= makeCardPicture(i, 180, 136).save(prog.filePath(card));
        ok &= makeDonePicture(i, 180, 136).save(prog.filePath(done));
        pictures.append({QVariant(card), QVariant(done)});
    }
    ok &= writeText(prog.filePath(QStringLiteral("picture.txt")), pictures);

    // A results log with some weeks of history, so that the rankings and run lists have
    // something to show. An existing log is kept.
    const QString log = prog.filePath(QStringLiteral("成績累積データ.dat"));
    if (!QFile::exists(log)) ok &= writeBytes(log, demoHistory(today));

    if (!ok) return 1;
    std::printf("demo family folder laid out in %s\n", qPrintable(family.absolutePath()));
    return 0;
}
