#pragma once

#include <QString>

namespace platform {

// Folders of this computer, outside the family's shared folders.

// The user's state folder: $XDG_STATE_HOME, or ~/.local/state when it is unset or not an
// absolute path (the local application data folder on Windows). Ends without a separator.
QString userStateFolder();

// The path with symbolic links, "." and ".." resolved, so that two ways to one folder give
// one text. A part that does not exist (a share gone away) is kept as given after the
// resolved part that does.
QString canonicalPath(const QString& path);

}  // namespace platform
