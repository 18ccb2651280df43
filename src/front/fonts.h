// The model's font names mapped to the free fonts we ship with, sized in
// pixels so a drawing never depends on the screen's dpi.
#pragma once

#include <QFont>
#include <QString>

#include "platform/basics.h"

namespace kestrin::front {

// The installed family that stands in for a model family.
QString mappedFamily(const std::string& family);
// Height of the font in logical pixels (the layout is 120 dpi).
double logicalPixelSize(const plat::Font& font);
// A font for painting at `scale` painter units per logical pixel.
QFont qtFont(const plat::Font& font, double scale);

}  // namespace kestrin::front
