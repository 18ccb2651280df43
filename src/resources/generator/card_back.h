#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>

namespace kestrin::artgen {

// Draws a card back in the 40 x 56 cell at `origin`: the whole cell in
// `ground`, a fine frame and lattice in tints of it, and our kestrel emblem
// (dark red on a black disc) in the middle.
void drawCardBack(QPainter& painter, QPoint origin, QColor ground);

}  // namespace kestrin::artgen
