#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace platform {

namespace {
std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
}  // namespace

bool installQtTranslations(const QString& folder) {
    removeQtTranslations();
    const QString from =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    auto translator = std::make_unique<QTranslator>();
    // qt_ja names the catalogues of the Qt modules it covers; qtbase_ja alone has the
    // dialogs and buttons.
    if (!translator->load(QStringLiteral("qt_ja"), from) &&
        !translator->load(QStringLiteral("qtbase_ja"), from))
        return false;
    if (!QCoreApplication::installTranslator(translator.get())) return false;
    installed() = std::move(translator);
    return true;
}

void removeQtTranslations() {
    if (!installed()) return;
    QCoreApplication::removeTranslator(installed().get());
    installed().reset();
}

}  // namespace platform
