#include "state/folder_guess.h"

#include <QDir>
#include <QFileInfo>

#include "platform/errors.h"

namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");
const QString kCommonFile = QStringLiteral("共通データ.txt");

bool holds(const QString& folder, const QString& file) {
    return QFileInfo::exists(QDir(folder).filePath(file));
}

QString cleaned(const QString& given) {
    return QDir::cleanPath(QFileInfo(given).absoluteFilePath());
}

}  // namespace

FolderGuess programFolderFor(const QString& given) {
    const QString dir = cleaned(given);
    if (!QFileInfo(dir).isDir() || holds(dir, kSettingsFile)) return {dir, {}, {}};
    QStringList programs;
    for (const QString& sub : QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (holds(QDir(dir).filePath(sub), kSettingsFile))
            programs << platform::displayPath(QDir(dir).filePath(sub));
    }
    if (programs.size() == 1) {
        return {QDir::cleanPath(QDir(dir).filePath(QFileInfo(programs.first()).fileName())),
                QStringLiteral("%1 は家族フォルダなので、その中のプログラムフォルダ %2 を使います")
                    .arg(platform::displayPath(dir), programs.first()),
                {}};
    }
    const QString family =
        holds(dir, kCommonFile) ? QStringLiteral("家族フォルダです。") : QString();
    if (programs.isEmpty()) {
        return {
            {},
            {},
            QStringLiteral("%1: %2%3 のあるプログラムフォルダ (例: ~/ならびタッチ/ならびタッチ) "
                           "を指定してください")
                .arg(platform::displayPath(dir), family, kSettingsFile)};
    }
    return {{},
            {},
            QStringLiteral("%1: %2プログラムフォルダ %3 のどれかを指定してください")
                .arg(platform::displayPath(dir), family, programs.join(QStringLiteral("、")))};
}

FolderGuess familyFolderFor(const QString& given) {
    const QString dir = cleaned(given);
    if (!QFileInfo(dir).isDir() || holds(dir, kCommonFile) || !holds(dir, kSettingsFile))
        return {dir, {}, {}};
    QStringList families;
    for (const QString& relative : {QStringLiteral(".."), QStringLiteral("../files")}) {
        const QString family = QDir::cleanPath(QDir(dir).filePath(relative));
        if (holds(family, kCommonFile)) families << family;
    }
    if (families.size() == 1) {
        return {families.first(),
                QStringLiteral("%1 はプログラムフォルダなので、家族フォルダ %2 を使います")
                    .arg(platform::displayPath(dir), platform::displayPath(families.first())),
                {}};
    }
    return {{},
            {},
            QStringLiteral("%1: プログラムフォルダです。%2 のある家族フォルダを指定してください")
                .arg(platform::displayPath(dir), kCommonFile)};
}
