#include "home/home_layout_gui.h"

namespace homelayout {

QString indexed(const char* name, int index) {
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

}  // namespace homelayout
