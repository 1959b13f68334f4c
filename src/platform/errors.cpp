#include "platform/errors.h"

#include <QDir>
#include <cerrno>
#include <cstring>

namespace platform {

QString displayPath(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString errorDescription(int number) {
    switch (number) {
        case errOverflow:
            return QStringLiteral("オーバーフローしました。");
        case errSubscriptOutOfRange:
            return QStringLiteral("インデックスが有効範囲にありません。");
        case errDivisionByZero:
            return QStringLiteral("0 で除算しました。");
        case errTypeMismatch:
            return QStringLiteral("型が一致しません。");
        case errBadFileName:
            return QStringLiteral("ファイル名または番号が不正です。");
        case errFileNotFound:
            return QStringLiteral("ファイルが見つかりません。");
        case errFileAlreadyOpen:
            return QStringLiteral("ファイルは既に開かれています。");
        case errDeviceIO:
            return QStringLiteral("デバイス I/O エラーです。");
        case errDiskFull:
            return QStringLiteral("ディスクの空き容量が不足しています。");
        case errInputPastEnd:
            return QStringLiteral("ファイルにこれ以上データがありません。");
        case errPermissionDenied:
            return QStringLiteral("書き込みできません。");
        case errPathFileAccess:
            return QStringLiteral("パス名が無効です。");
        case errPathNotFound:
            return QStringLiteral("パスが見つかりません。");
        default:
            return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

int errorNumberOfSystemError(int code) {
    switch (code) {
        case ENOENT:
            return errFileNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return errPermissionDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return errDiskFull;
        case ENOTDIR:
            return errPathNotFound;
        default:
            return errDeviceIO;
    }
}

QString systemErrorText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

RuntimeError::RuntimeError(int number, QString file, QString detail)
    : number_(number), file_(std::move(file)), detail_(std::move(detail)) {
    what_ = message().toStdString();
}

QString RuntimeError::message() const {
    QString text = QStringLiteral("実行時エラー '%1':\r\n\r\n%2").arg(number_).arg(description());
    if (!file_.isEmpty()) text += QStringLiteral("\r\n\r\nファイル: ") + displayPath(file_);
    if (!detail_.isEmpty()) text += QStringLiteral("\r\n") + detail_;
    return text;
}

}  // namespace platform
