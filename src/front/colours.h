// Model colours (0x00BBGGRR) as Qt colours.
#pragma once

#include <QColor>

#include "platform/basics.h"

namespace kestrin::front {

inline QColor toQColor(plat::Colour c) {
    return QColor(plat::redOf(c), plat::greenOf(c), plat::blueOf(c));
}

}  // namespace kestrin::front
