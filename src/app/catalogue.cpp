#include "app/catalogue.h"

#include <QUrl>

#include "app/shared_state.h"

namespace catalogue {

namespace {

// The course: levels 1..4; levels 5..20 are named and flagged but lie beyond it.
constexpr int kCourseLevels = 4;
constexpr int kNamedLevels = 20;

const QString& levelName(int level) {
    static const QString kNames[kNamedLevels + 1] = {
        QString(),
        QStringLiteral("１ずつ増加"),
        QStringLiteral("１～２ずつ増加"),
        QStringLiteral("１～３ずつ増加"),
        QStringLiteral("１～４ずつ増加"),
        QStringLiteral("範囲３練"),
        QStringLiteral("範囲３"),
        QStringLiteral("範囲４練"),
        QStringLiteral("範囲４"),
        QStringLiteral("範囲５練"),
        QStringLiteral("範囲５"),
        QStringLiteral("範囲６練"),
        QStringLiteral("範囲６"),
        QStringLiteral("範囲７練"),
        QStringLiteral("範囲７"),
        QStringLiteral("範囲８練"),
        QStringLiteral("範囲８"),
        QStringLiteral("範囲９練"),
        QStringLiteral("範囲９"),
        QStringLiteral("範囲１０練"),
        QStringLiteral("範囲１０"),
    };
    return kNames[level];
}

}  // namespace

QString helpSite() {
    return QUrl::fromLocalFile(shared.programFolder + QStringLiteral("help")).toString();
}

QString helpHomePage() {
    return helpSite() + QStringLiteral("/index.htm");
}

void setTitle() {
    shared.drillTitle = QStringLiteral("ならびタッチ");
}

void fillLevelTables() {
    shared.levelCount = kCourseLevels;
    shared.topLevel = kCourseLevels;
    for (int level = 1; level <= kNamedLevels; ++level) {
        shared.levelNames[level] = levelName(level);
        shared.timedLevel[level] = 1;
    }
}

QString helpAddress() {
    return helpSite() + QLatin1String(kHelpPage);
}

}  // namespace catalogue
