#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces a file as a whole: the bytes go to `tempPath` (in the same folder), which is
// flushed to disk, renamed over `path`, and the folder is flushed. A process stopped at
// any moment leaves either the old or the new file under `path`, whole. A failure
// removes the temp file, leaves `path` as it was and raises a run-time error naming it.
void replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes);
// The same through a temp file of this process beside the file ("name.<pid>.tmp").
void replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace platform
