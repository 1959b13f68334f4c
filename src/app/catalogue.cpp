#include "app/catalogue.h"

#include <QUrl>

#include "app/shared_state.h"
#include "course/levels.h"
#include "state/course.h"
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
