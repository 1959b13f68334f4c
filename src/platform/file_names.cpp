#include "platform/file_names.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameIgnoringAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode())) return false;
    return true;
}

// The entry of `dir` named `part` ignoring ASCII letter case; empty when there is none.
QString caseMatch(const QString& dir, const QString& part) {
    const QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (sameIgnoringAsciiCase(entry, part)) return entry;
    return {};
}

}  // namespace

QString resolveFileName(const QString& folder, const QString& name) {
    QString relative = name;
    relative.replace(u'\\', u'/');
    QString base = folder;
    if (!base.isEmpty() && !base.endsWith(u'/')) base += u'/';
    const QString exact = base + relative;
    if (relative.isEmpty() || QFileInfo::exists(exact)) return exact;

    QString path = base;
    const QStringList parts = relative.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const bool last = i + 1 == parts.size();
        QString chosen = part;
        if (!part.isEmpty() && part != u"." && part != u".." && !QFileInfo::exists(path + part)) {
            const QString found = caseMatch(path.isEmpty() ? QStringLiteral(".") : path, part);
            if (found.isEmpty()) return exact;
            chosen = found;
        }
        path += chosen;
        if (!last) path += u'/';
    }
    return path;
}

}  // namespace platform
