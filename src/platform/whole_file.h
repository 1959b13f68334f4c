#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes the bytes as the whole file through a temporary file and a rename, so that a
// failure never leaves a half-written file; raises a run-time error naming the file.
void writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace platform
