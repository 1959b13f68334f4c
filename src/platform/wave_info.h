#pragma once

#include <QString>

namespace platform {

// Length of a PCM wave file in milliseconds from its header; -1 when the file cannot be
// read or is no wave file.
qint64 waveDurationMs(const QString& path);

}  // namespace platform
