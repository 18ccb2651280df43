// A form drawn into an image, as a user would see its window's client area.
#pragma once

#include <QImage>

#include "platform/form.h"

namespace kestrin::front {

// `scale` device pixels per logical pixel (1 = the layout's own size).
QImage renderToImage(const plat::Form& form, double scale = 1.0);

}  // namespace kestrin::front
