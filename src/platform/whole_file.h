#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a whole file so that it is always either the old file or the new one, whole,
// whenever the program is stopped: the bytes go to "<path>.tmp" beside it, are flushed
// to disk, and the temporary file is renamed over the old one; the folder is flushed
// last so the rename survives a power cut. A temporary file left by a stopped write is
// simply overwritten by the next. Raises a run-time error naming the file when it
// cannot be written; the old file is then left as it was.
void writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace platform
