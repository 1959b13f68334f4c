// The folders of src/ include one another in one direction only, folder by folder:
//
//   platform -> state -> rules -> roster -> results -> sound
//            -> drill -> records -> export -> setup -> widgets -> windows -> app
//
// Today's folders on that order:
//   platform           platform (its *_gui files too: the window system is the platform's)
//   state              state
//   rules              course (levels, practice, points, grades, locks, run times)
//   roster             roster (core files)
//   results            results
//   sound              sound
//   drill              drill, endscreen (the run and its evaluation; core files)
//   records            records, home (record lists, charts and the home screen's lines)
//   export             export
//   setup              setup, help (the help pages' addresses)
//   widgets            widgets
//   windows            every *_gui file of the folders above from roster on
//   app                app
//
// A file may include its own folder and any folder earlier in the order, never a later
// one. Every include that names a file of the project, in either form ("…" or <…>), must
// resolve to a file under src/.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

const std::vector<QString> kOrder = {
    QStringLiteral("platform"), QStringLiteral("state"),   QStringLiteral("rules"),
    QStringLiteral("roster"),   QStringLiteral("results"), QStringLiteral("sound"),
    QStringLiteral("drill"),    QStringLiteral("records"), QStringLiteral("export"),
    QStringLiteral("setup"),    QStringLiteral("widgets"), QStringLiteral("windows"),
    QStringLiteral("app"),
};

const std::map<QString, QString> kPlaceOfFolder = {
    {QStringLiteral("platform"), QStringLiteral("platform")},
    {QStringLiteral("state"), QStringLiteral("state")},
    {QStringLiteral("course"), QStringLiteral("rules")},
    {QStringLiteral("roster"), QStringLiteral("roster")},
    {QStringLiteral("results"), QStringLiteral("results")},
    {QStringLiteral("sound"), QStringLiteral("sound")},
    {QStringLiteral("drill"), QStringLiteral("drill")},
    {QStringLiteral("endscreen"), QStringLiteral("drill")},
    {QStringLiteral("records"), QStringLiteral("records")},
    {QStringLiteral("home"), QStringLiteral("records")},
    {QStringLiteral("export"), QStringLiteral("export")},
    {QStringLiteral("setup"), QStringLiteral("setup")},
    {QStringLiteral("help"), QStringLiteral("setup")},
    {QStringLiteral("widgets"), QStringLiteral("widgets")},
    {QStringLiteral("app"), QStringLiteral("app")},
};

// Position of a file (path under src/) in the order; -1 for a folder not in the order.
int rankOf(const QString& file) {
    const auto it = kPlaceOfFolder.find(file.section(u'/', 0, 0));
    if (it == kPlaceOfFolder.end()) return -1;
    QString place = it->second;
    static const QRegularExpression kWindow(QStringLiteral("_gui\\.(h|cpp)$"));
    const bool belowWindows = place == QStringLiteral("platform") ||
                              place == QStringLiteral("state") || place == QStringLiteral("rules");
    if (file.contains(kWindow) && !belowWindows && place != QStringLiteral("widgets") &&
        place != QStringLiteral("app"))
        place = QStringLiteral("windows");
    return static_cast<int>(std::find(kOrder.begin(), kOrder.end(), place) - kOrder.begin());
}

struct Scan {
    std::map<QString, std::vector<QString>> includes;  // file -> project files it includes
    std::vector<QString> faults;                       // unreadable files, unresolved includes
};

// Every include of every source file under `root` that names a project file: a "…" include,
// or a <…> include whose first part is a folder of `root`.
Scan scanIncludes(const QString& root) {
    static const QRegularExpression kInclude(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"),
        QRegularExpression::MultilineOption);
    Scan scan;
    QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString file = path.mid(root.size() + 1);
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            scan.faults.push_back(file + QStringLiteral(": cannot be read"));
            continue;
        }
        auto& list = scan.includes[file];
        const QString text = QString::fromUtf8(in.readAll());
        for (auto m = kInclude.globalMatch(text); m.hasNext();) {
            const auto match = m.next();
            const bool quoted = match.captured(1) == QStringLiteral("\"");
            const QString name = match.captured(2);
            if (!quoted && !folders.contains(name.section(u'/', 0, 0))) continue;  // a library's
            if (QFile::exists(root + u'/' + name)) {
                list.push_back(name);
            } else {
                scan.faults.push_back(file + QStringLiteral(" includes ") + name +
                                      QStringLiteral(", which is no file under src/"));
            }
        }
    }
    return scan;
}

// The includes that run against the order, files of folders not in the order, and two
// folders of one place in the order that include each other.
std::vector<QString> wrongWayIncludes(const Scan& scan) {
    std::vector<QString> out;
    std::set<std::pair<QString, QString>> sideways;  // folder -> folder of the same place
    for (const auto& [file, list] : scan.includes) {
        const int from = rankOf(file);
        if (from < 0) {
            out.push_back(file + QStringLiteral(": its folder has no place in the order"));
            continue;
        }
        for (const QString& included : list) {
            const int to = rankOf(included);
            if (to > from || to < 0)
                out.push_back(file + QStringLiteral(" (") + kOrder[from] +
                              QStringLiteral(") includes ") + included + QStringLiteral(" (") +
                              (to < 0 ? QStringLiteral("no place") : kOrder[to]) +
                              QStringLiteral(")"));
            const QString a = file.section(u'/', 0, 0);
            const QString b = included.section(u'/', 0, 0);
            if (to == from && a != b) sideways.emplace(a, b);
        }
    }
    for (const auto& [a, b] : sideways)
        if (a < b && sideways.count({b, a}))
            out.push_back(a + QStringLiteral(" and ") + b + QStringLiteral(" include each other"));
    return out;
}

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
    out.write(text);
}

TEST(IncludeOrder, EveryIncludeOfSrcResolvesAndRunsDownTheOrder) {
    const Scan scan = scanIncludes(QStringLiteral(SOURCE_DIR));
    ASSERT_GT(scan.includes.size(), 50u);
    for (const QString& fault : scan.faults) ADD_FAILURE() << fault.toStdString();
    for (const QString& wrong : wrongWayIncludes(scan)) ADD_FAILURE() << wrong.toStdString();
}

TEST(IncludeOrder, FindsPlantedFaultsInBothIncludeForms) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    writeFile(root + "/platform/clock.h", "#pragma once\n");
    writeFile(root + "/results/log.h", "#pragma once\n");
    writeFile(root + "/records/lists.h", "#pragma once\n");
    writeFile(root + "/widgets/button_gui.h", "#pragma once\n");
    // Downward: fine.
    writeFile(root + "/records/lists.cpp",
              "#include \"records/lists.h\"\n#include <QString>\n#include <platform/clock.h>\n"
              "#include \"results/log.h\"\n");
    // Upward, one in each form, and a neighbour one place up in the order.
    writeFile(root + "/results/log.cpp",
              "#include \"results/log.h\"\n#  include <records/lists.h>\n");
    writeFile(root + "/platform/clock.cpp", "#include \"widgets/button_gui.h\"\n");
    writeFile(root + "/state/a.h", "#include \"platform/clock.h\"\n");
    writeFile(root + "/platform/b.cpp", "#include \"state/a.h\"\n");
    // Two folders of one place that include each other.
    writeFile(root + "/home/lines.h", "#include \"records/lists.h\"\n");
    writeFile(root + "/records/rows.h", "#include <home/lines.h>\n");
    // Unresolved.
    writeFile(root + "/widgets/button_gui.cpp", "#include <results/gone.h>\n#include \"x.h\"\n");

    const Scan scan = scanIncludes(root);
    EXPECT_EQ(scan.faults.size(), 2u);
    const std::vector<QString> wrong = wrongWayIncludes(scan);
    ASSERT_EQ(wrong.size(), 4u);
    EXPECT_TRUE(
        wrong[0].startsWith(QStringLiteral("platform/b.cpp (platform) includes state/a.h")));
    EXPECT_TRUE(wrong[1].startsWith(QStringLiteral("platform/clock.cpp")));
    EXPECT_TRUE(wrong[2].startsWith(QStringLiteral("results/log.cpp (results) includes records/")));
    EXPECT_EQ(wrong[3], QStringLiteral("home and records include each other"));
}

}  // namespace
