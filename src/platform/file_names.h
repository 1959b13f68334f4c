#pragma once

#include <QString>

namespace platform {

// The path of a file named inside a file of the family ("picture.txt", "新音ファイル.txt")
// that lies in `folder`. Such names come from the Windows machines: "\" separates folders
// there, and the names there ignore letter case. So "\" is taken as a separator and, when
// the exact name is missing, each part of the name is matched ignoring ASCII letter case
// (the first match in name order wins). A name that matches nothing comes back as given,
// with "/" separators, so the caller reports the missing file by that name.
QString resolveFileName(const QString& folder, const QString& name);

}  // namespace platform
