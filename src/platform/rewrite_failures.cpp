#include "platform/rewrite_failures.h"

namespace platform {

QString rewriteFailureText(const RuntimeError& error) {
    QString reason = error.description();
    if (!error.detail().isEmpty()) reason += QStringLiteral("（%1）").arg(error.detail());
    return QStringLiteral(
               "ファイルを書き込めませんでした。元のファイルはそのまま残っています。"
               "\r\n\r\nファイル: %1\r\n理由: %2")
        .arg(displayPath(error.file()), reason);
}

}  // namespace platform
