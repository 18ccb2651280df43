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
// A font for painting at `scale` painter units per logical pixel, for a
// widget that draws its own text (a pixel size is whole, so the text of two
// scales may break differently).
QFont qtFont(const plat::Font& font, double scale);
// The font that text is laid out in at the layout's own size, in logical
// pixels: unhinted, so its advances are the same at every size and text
// drawn from this layout under a scaled painter keeps its proportions.
QFont designFont(const plat::Font& font);

}  // namespace kestrin::front
