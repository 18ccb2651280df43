#include "card_back.h"

#include <QPainterPath>

#include "kestrel.h"

namespace kestrin::artgen {
namespace {

const QColor kDisc(0, 0, 0);
const QColor kEmblemRed(158, 20, 30);

QColor shade(const QColor& c, double factor) {
  return QColor::fromRgbF(c.redF() * factor, c.greenF() * factor, c.blueF() * factor);
}

QColor tint(const QColor& c, double amount) {
  return QColor::fromRgbF(c.redF() + (1 - c.redF()) * amount, c.greenF() + (1 - c.greenF()) * amount,
                          c.blueF() + (1 - c.blueF()) * amount);
}

// A diamond lattice of fine lines inside the frame, in a slightly darker shade.
void drawLattice(QPainter& p, const QRectF& area, const QColor& ground) {
  p.save();
  p.setClipRect(area);
  p.setPen(QPen(shade(ground, 0.90), 0.8));
  for (double d = -60; d < 100; d += 5) {
    p.drawLine(QPointF(area.left() + d, area.top()), QPointF(area.left() + d + 60, area.top() + 60));
    p.drawLine(QPointF(area.left() + d, area.top()), QPointF(area.left() + d - 60, area.top() + 60));
  }
  p.restore();
}

}  // namespace

void drawCardBack(QPainter& p, QPoint origin, QColor ground) {
  p.save();
  p.translate(origin);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRect(0, 0, 40, 56), ground);

  const QRectF inner(4, 4, 32, 48);
  drawLattice(p, inner, ground);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(shade(ground, 0.72), 1.0));
  p.drawRoundedRect(QRectF(2.5, 2.5, 35, 51), 2, 2);
  p.setPen(QPen(tint(ground, 0.35), 1.0));
  p.drawRect(QRectF(4.5, 4.5, 31, 47));

  // The emblem: a thin light ring, the black disc, the dark red kestrel.
  const QPointF centre(20, 28);
  p.setPen(QPen(tint(ground, 0.45), 1.0));
  p.setBrush(kDisc);
  p.drawEllipse(centre, 14.0, 14.0);
  p.setPen(Qt::NoPen);
  p.setBrush(kEmblemRed);
  p.drawPath(kestrelPath(centre + QPointF(0, -1.3), 22));
  p.restore();
}

}  // namespace kestrin::artgen
