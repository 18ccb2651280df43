#pragma once

#include <QImage>

namespace kestrin::artgen {

// Reduces a true-colour picture to 256 colours chosen for it (median cut,
// refined by a few k-means rounds) with gentle error diffusion, so gradients
// stay smooth without a fixed palette's banding.
QImage toIndexed8(const QImage& picture);

}  // namespace kestrin::artgen
