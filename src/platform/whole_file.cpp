#include "platform/whole_file.h"

#include <QSaveFile>

#include "platform/errors.h"

namespace platform {

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(errPermissionDenied, path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw RuntimeError(errDeviceIO, path, file.errorString());
}

}  // namespace platform
