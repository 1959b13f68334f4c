#pragma once

#include <QString>

namespace platform {

// Qt's own Japanese texts (the print and file dialogs, the buttons of message boxes),
// whatever the system's language. Reads qt_ja.qm (or qtbase_ja.qm) from `folder`, by
// default Qt's translations folder; returns false when neither can be read, and the
// dialogs then stay in Qt's English. Call it once the application object exists.
bool installQtTranslations(const QString& folder = QString());
// Takes them out again (tests).
void removeQtTranslations();

}  // namespace platform
