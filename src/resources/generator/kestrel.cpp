#include "kestrel.h"

#include <QTransform>

namespace kestrin::artgen {
namespace {

// Designed in a 2 x 2 box around the origin, head up: the bird is shown
// displayed, wings raised with spread primaries, head turned to the right.
QPainterPath wing(double side) {
  QPainterPath p;
  p.moveTo(side * 0.14, -0.14);
  p.cubicTo(side * 0.36, -0.30, side * 0.64, -0.52, side * 0.96, -0.64);  // leading edge
  p.lineTo(side * 0.94, -0.40);                                           // primaries
  p.lineTo(side * 0.82, -0.40);
  p.lineTo(side * 0.88, -0.20);
  p.lineTo(side * 0.74, -0.20);
  p.lineTo(side * 0.78, 0.0);
  p.lineTo(side * 0.60, -0.02);
  p.cubicTo(side * 0.44, 0.10, side * 0.28, 0.18, side * 0.12, 0.20);  // trailing edge
  p.closeSubpath();
  return p;
}

QPainterPath unitKestrel() {
  QPainterPath body;
  body.addEllipse(QPointF(0, 0.04), 0.18, 0.34);
  QPainterPath head;
  head.addEllipse(QPointF(0.0, -0.44), 0.16, 0.16);
  QPainterPath beak;
  beak.moveTo(0.12, -0.52);
  beak.quadTo(0.30, -0.50, 0.30, -0.36);
  beak.lineTo(0.12, -0.40);
  beak.closeSubpath();
  QPainterPath tail;
  tail.moveTo(-0.09, 0.30);
  tail.lineTo(-0.26, 0.80);
  tail.quadTo(0.0, 0.90, 0.26, 0.80);
  tail.lineTo(0.09, 0.30);
  tail.closeSubpath();
  return body.united(head).united(beak).united(tail).united(wing(-1)).united(wing(1));
}

}  // namespace

QPainterPath kestrelPath(QPointF centre, double span) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.scale(span / 2, span / 2);
  return t.map(unitKestrel());
}

}  // namespace kestrin::artgen
