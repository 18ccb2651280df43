#pragma once

#include <QPainter>
#include <QPoint>

#include "suits.h"

namespace kestrin::artgen {

// Draws the face of the card of `rank` (2 to 14, ace high) and `suit` into
// the 40 x 56 cell whose top-left corner is `origin`.
void drawCardFace(QPainter& painter, QPoint origin, int rank, Suit suit);

}  // namespace kestrin::artgen
