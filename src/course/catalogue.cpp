#include "course/catalogue.h"

#include <QUrl>

#include "course/levels.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"

namespace catalogue {

QString helpSite() {
    return QUrl::fromLocalFile(state::settings().programFolder + QStringLiteral("help")).toString();
}

QString helpHomePage() {
    return helpSite() + QStringLiteral("/index.htm");
}

void setTitle() {
    state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
}

void fillLevelTables() {
    course::fillLevelTables(state::course());
}

QString helpAddress() {
    return helpSite() + QLatin1String(kHelpPage);
}

}  // namespace catalogue
