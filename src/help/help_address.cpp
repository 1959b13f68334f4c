#include "help/help_address.h"

#include <QDir>
#include <QRegularExpression>

namespace help {

QUrl typedAddress(const QString& typed, const QUrl& helpFolder) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return {};
    // Two letters at least, so that a drive letter ("C:") is no scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::TolerantMode);
    if (text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    if (QDir::isAbsolutePath(text)) return QUrl::fromLocalFile(text);
    QUrl folder = helpFolder;
    if (!folder.path().endsWith(u'/')) folder.setPath(folder.path() + u'/');
    QString relative = text;
    relative.replace(u'\\', u'/');
    return folder.resolved(QUrl(relative, QUrl::TolerantMode));
}

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

QUrl builtInCopy(const QUrl& url, const QUrl& helpFolder) {
    if (!url.isLocalFile() || !helpFolder.isLocalFile()) return {};
    const QString folder = QDir::cleanPath(helpFolder.toLocalFile()) + u'/';
    const QString path = QDir::cleanPath(url.toLocalFile());
    if (!path.startsWith(folder) || path.size() == folder.size()) return {};
    QUrl copy;
    copy.setScheme(QStringLiteral("qrc"));
    copy.setPath(QStringLiteral("/help/") + path.mid(folder.size()));
    copy.setFragment(url.fragment());
    return copy;
}

}  // namespace help
