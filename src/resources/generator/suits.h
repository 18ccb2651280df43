#pragma once

#include <QPainterPath>
#include <QRectF>

namespace kestrin::artgen {

enum class Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

// The suit symbol as a filled outline fitted into `box` (drawn as shapes, not
// font glyphs, so it looks the same on every machine).
QPainterPath suitPath(Suit suit, const QRectF& box);

bool isRed(Suit suit);

}  // namespace kestrin::artgen
