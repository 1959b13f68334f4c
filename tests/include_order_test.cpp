// The folders of src/ include one another in one direction only:
//
//   platform -> state -> course, roster, results, sound
//            -> drill, records, export, setup, home, endscreen, help (their core files)
//            -> widgets -> windows (every other *_gui file) -> app
//
// A file may include its own folder and anything earlier in the order, never later, and
// no two folders may reach each other.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <map>

namespace {

enum Layer { kPlatform, kState, kRules, kServices, kWidgets, kWindows, kApp, kUnknown };

Layer layerOf(const QString& file) {
    const QString folder = file.section(u'/', 0, 0);
    const bool window = file.contains(QRegularExpression(QStringLiteral("_gui\\.(h|cpp)$")));
    static const std::map<QString, Layer> kCoreLayers = {
        {QStringLiteral("platform"), kPlatform}, {QStringLiteral("state"), kState},
        {QStringLiteral("course"), kRules},      {QStringLiteral("roster"), kRules},
        {QStringLiteral("results"), kRules},     {QStringLiteral("sound"), kRules},
        {QStringLiteral("drill"), kServices},    {QStringLiteral("records"), kServices},
        {QStringLiteral("export"), kServices},   {QStringLiteral("home"), kServices},
        {QStringLiteral("setup"), kServices},    {QStringLiteral("endscreen"), kServices},
        {QStringLiteral("help"), kServices},     {QStringLiteral("widgets"), kWidgets},
        {QStringLiteral("app"), kApp},
    };
    const auto it = kCoreLayers.find(folder);
    if (it == kCoreLayers.end()) return kUnknown;
    if (window && it->second != kPlatform && it->second != kWidgets && it->second != kApp)
        return kWindows;
    return it->second;
}

// Every "#include \"...\"" of a file under src/ that names a file under src/, by file.
std::map<QString, std::vector<QString>> projectIncludes() {
    const QString root = QStringLiteral(SOURCE_DIR);
    static const QRegularExpression kInclude(QStringLiteral("^#include \"([^\"]+)\""),
                                             QRegularExpression::MultilineOption);
    std::map<QString, std::vector<QString>> out;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        auto& includes = out[path.mid(root.size() + 1)];
        for (auto m = kInclude.globalMatch(text); m.hasNext();) {
            const QString included = m.next().captured(1);
            if (QFile::exists(root + u'/' + included)) includes.push_back(included);
        }
    }
    return out;
}

TEST(IncludeOrder, EveryIncludeRunsDownTheFolderOrder) {
    const auto includes = projectIncludes();
    ASSERT_GT(includes.size(), 50u);
    for (const auto& [file, list] : includes) {
        EXPECT_NE(layerOf(file), kUnknown) << file.toStdString() << ": a folder not in the order";
        for (const QString& included : list) {
            if (layerOf(included) > layerOf(file)) {
                ADD_FAILURE() << file.toStdString() << " includes " << included.toStdString()
                              << ", which comes later in the folder order";
            }
        }
    }
}

TEST(IncludeOrder, NoTwoFoldersReachEachOther) {
    std::map<QString, std::map<QString, QString>> edges;  // folder -> folder -> an example
    for (const auto& [file, list] : projectIncludes()) {
        const QString from = file.section(u'/', 0, 0);
        for (const QString& included : list) {
            const QString to = included.section(u'/', 0, 0);
            if (to != from) edges[from].emplace(to, file + QStringLiteral(" includes ") + included);
        }
    }
    // Depth-first walk; a folder met again on the current path closes a cycle.
    std::map<QString, int> mark;  // 1 on the current path, 2 done
    std::function<void(const QString&)> visit = [&](const QString& folder) {
        mark[folder] = 1;
        for (const auto& [next, example] : edges[folder]) {
            if (mark[next] == 1) {
                ADD_FAILURE() << "folder cycle through " << folder.toStdString() << " -> "
                              << next.toStdString() << " (" << example.toStdString() << ")";
            } else if (mark[next] == 0) {
                visit(next);
            }
        }
        mark[folder] = 2;
    };
    for (const auto& [folder, unused] : edges)
        if (mark[folder] == 0) visit(folder);
}

}  // namespace
