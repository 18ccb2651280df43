#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "rooms.h"

// Resource 103: a dark casino hall. A coffered ceiling with chandeliers and a
// row of marquee bulbs, an indigo damask wall between gilt pilasters, a lit
// bar on the right and a patterned carpet seen in perspective.
namespace kestrin::artgen {
namespace {

constexpr int kCeilingBottom = 112;
constexpr int kFloorTop = 420;
constexpr double kHorizon = 250;  // eye level the carpet recedes to

const QColor kGilt(176, 136, 64);

void drawCeiling(QImage& img) {
  shadePixels(img, QRect(0, 0, kRoomWidth, kCeilingBottom), [](int x, int y) {
    const int cx = x % 128, cy = y % 56;
    const bool rib = cx < 6 || cy < 5;
    const double depth = rib ? 0.8 : 1.0 - 0.25 * (std::abs(cx - 67) / 64.0 + std::abs(cy - 30) / 28.0) / 2;
    QColor c = rib ? QColor(44, 36, 40) : QColor(24, 20, 32);
    if (rib && (cx == 5 || cy == 4)) c = QColor(90, 70, 40);
    return scaled(c, depth);
  });
}

// A quiet damask: soft lozenges a shade lighter than the ground.
void drawWall(QImage& img) {
  shadePixels(img, QRect(0, kCeilingBottom, kRoomWidth, kFloorTop - kCeilingBottom), [](int x, int y) {
    const double u = (x % 48) / 48.0 - 0.5, v = ((y - kCeilingBottom) % 64) / 64.0 - 0.5;
    const double lozenge = std::abs(u) * 1.3 + std::abs(v);
    const double motif = std::clamp((0.42 - lozenge) * 12, 0.0, 1.0) * std::clamp((lozenge - 0.18) * 12, 0.0, 1.0);
    const double dot = std::clamp((0.09 - std::hypot(u, v)) * 30, 0.0, 1.0);
    const QColor ground(30, 26, 50);
    const double fade = 1.0 - 0.25 * (y - kCeilingBottom) / double(kFloorTop - kCeilingBottom);
    return scaled(mix(ground, QColor(44, 38, 70), std::max(motif, dot) * 0.8), fade);
  });
}

// Patterned carpet in perspective, supersampled 3 x 3 so the far rows do not shimmer.
QColor carpetAt(double x, double y) {
  const double depth = y - kHorizon;
  const double u = (x - 420) / depth * 3.6, v = 2600.0 / depth;
  const double a = u + v, b = u - v;  // diagonal lattice
  const double fa = a - std::floor(a), fb = b - std::floor(b);
  const double line = std::min({fa, 1 - fa, fb, 1 - fb});
  const double du = fa - 0.5, dv = fb - 0.5;
  const double r = std::hypot(du, dv), theta = std::atan2(dv, du);
  const double petal = 0.20 + 0.07 * std::cos(4 * theta);
  QColor c(20, 46, 52);
  if (r < petal) c = QColor(62, 36, 46);
  if (r < 0.07) c = QColor(104, 84, 52);
  if (line < 0.025) c = QColor(78, 72, 52);
  return c;
}

void drawCarpet(QImage& img) {
  shadePixels(img, QRect(0, kFloorTop, kRoomWidth, kRoomHeight - kFloorTop), [](int x, int y) {
    double r = 0, g = 0, b = 0;
    for (int sy = 0; sy < 3; ++sy)
      for (int sx = 0; sx < 3; ++sx) {
        const QColor c = carpetAt(x + (sx + 0.5) / 3, y + (sy + 0.5) / 3);
        r += c.red();
        g += c.green();
        b += c.blue();
      }
    const double fade = 0.55 + 0.45 * std::clamp((y - kFloorTop) / 300.0, 0.0, 1.0);
    return QColor(int(r / 9 * fade), int(g / 9 * fade), int(b / 9 * fade));
  });
}

void drawPilaster(QPainter& p, double x) {
  const double w = 34;
  QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
  g.setColorAt(0, QColor(34, 28, 38));
  g.setColorAt(0.45, QColor(62, 52, 64));
  g.setColorAt(1, QColor(28, 22, 32));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(QRectF(x - w / 2, kCeilingBottom, w, kFloorTop - kCeilingBottom));
  p.setBrush(kGilt);
  p.drawRect(QRectF(x - w / 2 - 5, kCeilingBottom, w + 10, 8));  // capital
  p.drawRect(QRectF(x - w / 2 - 3, kCeilingBottom + 8, w + 6, 3));
  p.drawRect(QRectF(x - w / 2 - 4, kFloorTop - 10, w + 8, 10));  // base
  p.setBrush(QColor(120, 92, 46));
  p.drawRect(QRectF(x - w / 2 + 5, kCeilingBottom + 16, 2, kFloorTop - kCeilingBottom - 32));
  p.drawRect(QRectF(x + w / 2 - 7, kCeilingBottom + 16, 2, kFloorTop - kCeilingBottom - 32));
}

// A fan-shaped glass sconce on a pilaster, throwing light up the wall.
void drawWallSconce(QPainter& p, double x, double y) {
  addGlow(p, QPointF(x, y - 30), 90, QColor(255, 180, 110), 0.22);
  addGlow(p, QPointF(x, y - 4), 26, QColor(255, 220, 170), 0.5);
  QPainterPath fan;
  fan.moveTo(x, y + 8);
  fan.lineTo(x - 13, y - 8);
  fan.quadTo(x, y - 13, x + 13, y - 8);
  fan.closeSubpath();
  QLinearGradient g(x, y - 12, x, y + 8);
  g.setColorAt(0, QColor(255, 236, 200));
  g.setColorAt(1, QColor(214, 160, 90));
  p.setPen(QPen(kGilt, 1));
  p.setBrush(g);
  p.drawPath(fan);
}

// A bar stool in front of the counter: round seat, a stem and a foot ring.
void drawStool(QPainter& p, double x, double seatY) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(16, 12, 14, 120));
  p.drawEllipse(QPointF(x, seatY + 96), 22, 5);  // shadow on the carpet
  p.setBrush(QColor(150, 116, 56));
  p.drawRect(QRectF(x - 2, seatY + 8, 4, 86));
  p.drawEllipse(QPointF(x, seatY + 94), 14, 3.5);
  p.setPen(QPen(QColor(150, 116, 56), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(x, seatY + 58), 13, 3);
  p.setPen(Qt::NoPen);
  QLinearGradient leather(x - 20, 0, x + 20, 0);
  leather.setColorAt(0, QColor(80, 20, 28));
  leather.setColorAt(0.4, QColor(120, 36, 44));
  leather.setColorAt(1, QColor(60, 14, 22));
  p.setBrush(leather);
  p.drawRoundedRect(QRectF(x - 20, seatY - 4, 40, 13), 6, 6);
}

void drawChandelier(QPainter& p, double x, double y) {
  addGlow(p, QPointF(x, y + 20), 170, QColor(255, 196, 120), 0.32);
  p.setPen(QPen(kGilt, 1.5));
  p.drawLine(QPointF(x, 0), QPointF(x, y - 18));
  p.setBrush(Qt::NoBrush);
  for (int tier = 0; tier < 3; ++tier) {
    const double w = 26 + tier * 18, ty = y - 14 + tier * 16;
    p.setPen(QPen(kGilt, 1.4));
    p.drawArc(QRectF(x - w, ty - 8, 2 * w, 16), 180 * 16, 180 * 16);
    for (int i = 0; i <= 6 + tier * 2; ++i) {
      const double t = double(i) / (6 + tier * 2);
      const double cx = x - w + 2 * w * t, cy = ty + 8 * std::sin(t * std::numbers::pi);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 236, 200));
      p.drawEllipse(QPointF(cx, cy + 3), 1.4, 2.4);
      addGlow(p, QPointF(cx, cy + 2), 10, QColor(255, 220, 160), 0.5);
      p.setPen(QPen(QColor(220, 210, 200, 150), 0.8));
      p.drawLine(QPointF(cx, cy + 6), QPointF(cx, cy + 10 + (i % 2) * 3));  // hanging crystal
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kGilt);
  p.drawEllipse(QPointF(x, y - 16), 5, 4);  // the crown the tiers hang from
  p.drawRect(QRectF(x - 1.5, y - 16, 3, 48));
  p.setBrush(QColor(255, 240, 210));
  p.drawEllipse(QPointF(x, y + 40), 3, 5);
  addGlow(p, QPointF(x, y + 16), 60, QColor(255, 226, 170), 0.45);
}

// Marquee bulbs along the cornice.
void drawMarquee(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 44, 30));
  p.drawRect(QRectF(0, kCeilingBottom - 4, kRoomWidth, 10));
  p.setBrush(kGilt);
  p.drawRect(QRectF(0, kCeilingBottom - 4, kRoomWidth, 2));
  for (double x = 12; x < kRoomWidth; x += 24) {
    addGlow(p, QPointF(x, kCeilingBottom + 1), 16, QColor(255, 200, 120), 0.55);
    p.setBrush(QColor(255, 232, 180));
    p.drawEllipse(QPointF(x, kCeilingBottom + 1), 2.2, 2.2);
  }
}

// The bar on the right: back-lit shelves of bottles above a dark counter.
void drawBar(QPainter& p, Rng& rng) {
  const QRectF back(858, 150, 166, 250);
  QLinearGradient glow(back.topLeft(), back.bottomLeft());
  glow.setColorAt(0, QColor(120, 72, 30));
  glow.setColorAt(0.5, QColor(170, 110, 50));
  glow.setColorAt(1, QColor(96, 56, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRect(back);
  const QColor glass[] = {QColor(40, 90, 50), QColor(110, 60, 20), QColor(140, 120, 100), QColor(70, 30, 40),
                          QColor(30, 60, 90), QColor(150, 110, 40)};
  for (int shelf = 0; shelf < 3; ++shelf) {
    const double base = back.top() + 76 + shelf * 80;
    for (double x = back.left() + 8; x < back.right() - 10;) {
      const double w = rng.uniform(8, 13), h = rng.uniform(34, 54);
      const QColor c = glass[rng.below(6)];
      QPainterPath bottle;
      bottle.addRoundedRect(QRectF(x, base - h * 0.7, w, h * 0.7), 2.5, 2.5);
      bottle.addRect(QRectF(x + w / 2 - 1.8, base - h, 3.6, h * 0.32));
      p.setBrush(c);
      p.drawPath(bottle.simplified());
      p.setBrush(QColor(255, 230, 190, 110));
      p.drawRect(QRectF(x + 2, base - h * 0.62, 1.5, h * 0.45));
      x += w + rng.uniform(3, 7);
    }
    p.setBrush(QColor(60, 40, 28));
    p.drawRect(QRectF(back.left(), base, back.width(), 5));
    p.setBrush(QColor(200, 160, 90));
    p.drawRect(QRectF(back.left(), base, back.width(), 1));
  }
  const QRectF counter(842, kFloorTop - 10, 182, 118);
  QLinearGradient wood(counter.topLeft(), counter.bottomLeft());
  wood.setColorAt(0, QColor(70, 36, 22));
  wood.setColorAt(1, QColor(34, 18, 12));
  p.setBrush(wood);
  p.drawRect(counter);
  p.setBrush(QColor(98, 54, 30));
  p.drawRect(QRectF(836, kFloorTop - 18, 188, 10));
  p.setBrush(kGilt);
  p.drawRect(QRectF(842, kFloorTop + 84, 182, 3));
  for (double x = 862; x < kRoomWidth; x += 44) p.drawRect(QRectF(x, kFloorTop + 4, 2, 80));
  addGlow(p, QPointF(940, 260), 160, QColor(255, 170, 90), 0.25);
}

}  // namespace

QImage drawCasinoHall() {
  QImage img(kRoomWidth, kRoomHeight, QImage::Format_RGB32);
  drawCeiling(img);
  drawWall(img);
  drawCarpet(img);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Skirting where the wall meets the carpet.
  p.fillRect(QRectF(0, kFloorTop - 8, kRoomWidth, 8), QColor(22, 16, 22));
  p.fillRect(QRectF(0, kFloorTop - 8, kRoomWidth, 1), kGilt);
  for (double x : {96.0, 352.0, 608.0, 816.0}) drawPilaster(p, x);
  for (double x : {96.0, 352.0, 608.0, 816.0}) drawWallSconce(p, x, 168);
  Rng rng(1031);
  drawBar(p, rng);
  for (double x : {878.0, 950.0, 1016.0}) drawStool(p, x, 470);
  drawMarquee(p);
  drawChandelier(p, 200, 58);
  drawChandelier(p, 730, 58);
  for (double x : {64.0, 320.0, 576.0}) addGlow(p, QPointF(x, kCeilingBottom + 40), 90, QColor(255, 190, 120), 0.12);
  p.end();
  vignette(img, QPointF(430, 420), 0.35);
  return img;
}

}  // namespace kestrin::artgen
