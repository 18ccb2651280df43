#include "suits.h"

#include <QTransform>

namespace kestrin::artgen {
namespace {

// All shapes are designed in a unit square, point down = +y.

QPainterPath heart() {
  QPainterPath p;
  p.moveTo(0.5, 1.0);
  p.cubicTo(0.40, 0.86, 0.0, 0.62, 0.0, 0.32);
  p.cubicTo(0.0, 0.06, 0.36, -0.04, 0.5, 0.22);
  p.cubicTo(0.64, -0.04, 1.0, 0.06, 1.0, 0.32);
  p.cubicTo(1.0, 0.62, 0.60, 0.86, 0.5, 1.0);
  p.closeSubpath();
  return p;
}

QPainterPath diamond() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.quadTo(0.68, 0.27, 0.9, 0.5);
  p.quadTo(0.68, 0.73, 0.5, 1.0);
  p.quadTo(0.32, 0.73, 0.1, 0.5);
  p.quadTo(0.32, 0.27, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

// The flared foot shared by spades and clubs.
QPainterPath stem() {
  QPainterPath p;
  p.moveTo(0.45, 0.62);
  p.quadTo(0.46, 0.90, 0.26, 1.0);
  p.lineTo(0.74, 1.0);
  p.quadTo(0.54, 0.90, 0.55, 0.62);
  p.closeSubpath();
  return p;
}

QPainterPath spade() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.62, 0.16, 1.0, 0.36, 1.0, 0.62);
  p.cubicTo(1.0, 0.86, 0.66, 0.92, 0.5, 0.70);
  p.cubicTo(0.34, 0.92, 0.0, 0.86, 0.0, 0.62);
  p.cubicTo(0.0, 0.36, 0.38, 0.16, 0.5, 0.0);
  p.closeSubpath();
  return p.united(stem());
}

QPainterPath disc(double x, double y, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(QPointF(x, y), rx, ry);
  return p;
}

QPainterPath club() {
  const double r = 0.235;
  return disc(0.5, 0.25, r, r)
      .united(disc(0.245, 0.60, r, r))
      .united(disc(0.755, 0.60, r, r))
      .united(disc(0.5, 0.52, 0.15, 0.17))
      .united(stem());
}

}  // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
  QPainterPath unit;
  switch (suit) {
    case Suit::Clubs: unit = club(); break;
    case Suit::Diamonds: unit = diamond(); break;
    case Suit::Hearts: unit = heart(); break;
    case Suit::Spades: unit = spade(); break;
  }
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  return t.map(unit);
}

bool isRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

}  // namespace kestrin::artgen
