#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "rooms.h"

// Resource 104: a roof terrace at night. Stars and a moon over a city
// skyline, a stone balustrade, string lights overhead, a lantern and potted
// palms at the sides, and a paved floor in perspective.
namespace kestrin::artgen {
namespace {

constexpr int kSkyline = 330;     // where the city meets the balustrade
constexpr int kRailTop = 330;
constexpr int kFloorTop = 404;
constexpr double kHorizon = 250;

void drawSky(QImage& img) {
  shadePixels(img, QRect(0, 0, kRoomWidth, kFloorTop), [](int, int y) {
    const double t = y / double(kSkyline);
    if (t < 0.5) return mix(QColor(6, 10, 30), QColor(20, 24, 60), t / 0.5);
    return mix(QColor(20, 24, 60), QColor(70, 48, 90), (t - 0.5) / 0.5);
  });
}

void drawStars(QPainter& p, Rng& rng) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 260; ++i) {
    const double x = rng.uniform(0, kRoomWidth), y = rng.uniform(0, kSkyline - 40);
    const double bright = std::pow(rng.uniform(), 3.0) * (1.0 - y / kSkyline);
    const double size = 0.5 + 0.9 * bright;
    p.setBrush(QColor(230, 232, 255, int(90 + 165 * bright)));
    p.drawEllipse(QPointF(x, y), size, size);
    if (bright > 0.55) addGlow(p, QPointF(x, y), 6, QColor(200, 210, 255), 0.35);
  }
}

void drawMoon(QPainter& p) {
  const QPointF centre(900, 112);
  addGlow(p, centre, 120, QColor(150, 150, 200), 0.25);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(244, 238, 214));
  p.drawEllipse(centre, 26, 26);
  p.setBrush(QColor(206, 200, 182, 120));
  p.drawEllipse(centre + QPointF(-8, -6), 7, 6);
  p.drawEllipse(centre + QPointF(7, 8), 5, 5);
  p.drawEllipse(centre + QPointF(10, -9), 3, 3);
}

// Two rows of towers: the far row hazier, the near one darker with more lit windows.
void drawCity(QPainter& p, Rng& rng) {
  addGlow(p, QPointF(300, kSkyline), 380, QColor(120, 70, 110), 0.18);
  addGlow(p, QPointF(820, kSkyline), 320, QColor(120, 80, 100), 0.16);
  struct Row {
    QColor body;
    QColor window;
    double minH, maxH, lit;
  };
  const Row rows[] = {{QColor(40, 34, 70), QColor(150, 120, 90), 20, 80, 0.06},
                      {QColor(22, 20, 42), QColor(230, 180, 100), 30, 130, 0.12}};
  for (const Row& row : rows) {
    for (double x = -10; x < kRoomWidth;) {
      const double w = rng.uniform(22, 64);
      double h = rng.uniform(row.minH, row.maxH);
      if (x > 760) h *= 1.4;  // taller towers on the open right-hand side
      const QRectF tower(x, kSkyline - h, w, h + 2);
      p.setPen(Qt::NoPen);
      p.setBrush(row.body);
      p.drawRect(tower);
      if (rng.uniform() < 0.25) p.drawRect(QRectF(x + w * 0.3, tower.top() - 8, w * 0.4, 8));
      for (double wy = tower.top() + 6; wy < kSkyline - 4; wy += 7)
        for (double wx = x + 4; wx < x + w - 4; wx += 6)
          if (rng.uniform() < row.lit) {
            p.setBrush(row.window);
            p.drawRect(QRectF(wx, wy, 2, 3));
          }
      x += w + rng.uniform(-4, 6);
    }
  }
}

void drawBalustrade(QPainter& p) {
  const QColor stone(86, 80, 100), lit(112, 104, 126), shade(50, 46, 62);
  const double top = kRailTop + 14, bottom = kFloorTop - 14;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 26, 46, 150));  // the drop beyond the rail, darker than the sky
  p.drawRect(QRectF(0, top, kRoomWidth, bottom - top));
  for (double x = 12; x < kRoomWidth; x += 26) {
    QPainterPath baluster;  // a vase: narrow neck at the top, swelling low
    baluster.moveTo(x - 5, top);
    baluster.lineTo(x + 5, top);
    baluster.lineTo(x + 3, top + 6);
    baluster.cubicTo(x + 3, top + 14, x + 10, top + 22, x + 9, bottom - 12);
    baluster.quadTo(x + 8, bottom - 6, x + 6, bottom);
    baluster.lineTo(x - 6, bottom);
    baluster.quadTo(x - 8, bottom - 6, x - 9, bottom - 12);
    baluster.cubicTo(x - 10, top + 22, x - 3, top + 14, x - 3, top + 6);
    baluster.closeSubpath();
    QLinearGradient g(x - 9, 0, x + 9, 0);
    g.setColorAt(0, lit);
    g.setColorAt(0.4, stone);
    g.setColorAt(1, shade);
    p.setBrush(g);
    p.drawPath(baluster);
  }
  p.setBrush(stone);
  p.drawRect(QRectF(0, kRailTop, kRoomWidth, 14));
  p.setBrush(lit);
  p.drawRect(QRectF(0, kRailTop, kRoomWidth, 3));
  p.setBrush(shade);
  p.drawRect(QRectF(0, kRailTop + 12, kRoomWidth, 2));
  p.drawRect(QRectF(0, bottom, kRoomWidth, kFloorTop - bottom));
}

void drawPaving(QImage& img) {
  shadePixels(img, QRect(0, kFloorTop, kRoomWidth, kRoomHeight - kFloorTop), [](int x, int y) {
    double sum = 0;
    for (int s = 0; s < 4; ++s) {
      const double sx = x + (s % 2 + 0.5) / 2, sy = y + (s / 2 + 0.5) / 2;
      const double depth = sy - kHorizon;
      const double u = (sx - 420) / depth * 2.4, v = 1900.0 / depth;
      const double fu = u - std::floor(u), fv = v - std::floor(v);
      const double joint = std::min({fu, 1 - fu, fv, 1 - fv});
      const double tile = 0.92 + 0.08 * noise(std::floor(u), std::floor(v), 7);
      sum += joint < 0.018 ? 0.72 : tile;
    }
    const double fade = 0.7 + 0.3 * std::clamp((y - kFloorTop) / 260.0, 0.0, 1.0);
    return scaled(QColor(46, 41, 52), sum / 4 * fade);
  });
}

// A string of bulbs hanging between two points.
void drawStringLights(QPainter& p, QPointF a, QPointF b, double sag) {
  QPainterPath wire;
  const int steps = 60;
  auto at = [&](double t) { return QPointF(a.x() + (b.x() - a.x()) * t, a.y() + (b.y() - a.y()) * t + sag * 4 * t * (1 - t)); };
  wire.moveTo(at(0));
  for (int i = 1; i <= steps; ++i) wire.lineTo(at(double(i) / steps));
  p.setPen(QPen(QColor(20, 18, 26), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(wire);
  const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
  const int bulbs = int(length / 38);
  p.setPen(Qt::NoPen);
  for (int i = 1; i < bulbs; ++i) {
    const QPointF c = at(double(i) / bulbs) + QPointF(0, 4);
    addGlow(p, c, 22, QColor(255, 190, 110), 0.45);
    p.setBrush(QColor(255, 226, 170));
    p.drawEllipse(c, 2.4, 3.0);
  }
}

void drawLantern(QPainter& p, double x, double top, double bottom) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 22, 28));
  p.drawRect(QRectF(x - 2.5, top + 22, 5, bottom - top - 22));
  p.drawRect(QRectF(x - 8, bottom - 6, 16, 6));
  addGlow(p, QPointF(x, top + 10), 110, QColor(255, 180, 100), 0.35);
  p.setBrush(QColor(255, 214, 150));
  p.drawRect(QRectF(x - 7, top, 14, 20));
  p.setBrush(QColor(24, 22, 28));
  QPainterPath roof;
  roof.moveTo(x - 11, top);
  roof.lineTo(x, top - 10);
  roof.lineTo(x + 11, top);
  roof.closeSubpath();
  p.drawPath(roof);
  p.drawRect(QRectF(x - 9, top + 20, 18, 3));
  p.drawRect(QRectF(x - 0.7, top, 1.4, 20));
  addGlow(p, QPointF(x, bottom + 4), 80, QColor(255, 170, 90), 0.18);
}

// A palm in a terracotta pot: arching fronds, each a rib with leaflets.
void drawPalm(QPainter& p, double x, double potTop, double size) {
  const QPointF crown(x, potTop - size * 0.1);
  for (int i = 0; i < 9; ++i) {
    const double angle = -std::numbers::pi * (0.06 + 0.88 * i / 8.0);
    const double len = size * (0.8 + 0.2 * std::sin(i * 1.7));
    const QPointF dir(std::cos(angle), std::sin(angle));
    // The rib rises, then droops: a quadratic from the crown to the tip.
    const QPointF control = crown + dir * len * 0.55 + QPointF(0, -size * 0.35);
    const QPointF tip = crown + dir * len + QPointF(0, size * 0.18);
    auto rib = [&](double t) { return crown * (1 - t) * (1 - t) + control * 2 * t * (1 - t) + tip * t * t; };
    const QColor leaf = i % 2 ? QColor(30, 60, 42) : QColor(40, 76, 52);
    p.setPen(QPen(leaf, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int k = 2; k < 18; ++k) {
      const double t = k / 18.0;
      const QPointF at = rib(t), ahead = rib(t + 0.02);
      const QPointF along = (ahead - at) / std::max(1e-6, std::hypot(ahead.x() - at.x(), ahead.y() - at.y()));
      const QPointF side(-along.y(), along.x());
      const double l = size * 0.16 * std::sin(std::numbers::pi * std::min(1.0, t * 1.1));
      for (double s : {-1.0, 1.0}) p.drawLine(at, at + (side * s + along * 0.6 + QPointF(0, 0.5)) * l);
    }
    QPainterPath ribPath;
    ribPath.moveTo(crown);
    ribPath.quadTo(control, tip);
    p.setPen(QPen(QColor(70, 96, 66), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ribPath);
  }
  QPainterPath pot;
  pot.moveTo(x - size * 0.32, potTop);
  pot.lineTo(x + size * 0.32, potTop);
  pot.lineTo(x + size * 0.24, potTop + size * 0.55);
  pot.lineTo(x - size * 0.24, potTop + size * 0.55);
  pot.closeSubpath();
  QLinearGradient g(x - size * 0.32, 0, x + size * 0.32, 0);
  g.setColorAt(0, QColor(124, 66, 44));
  g.setColorAt(1, QColor(70, 36, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(pot);
  p.setBrush(QColor(140, 78, 52));
  p.drawRect(QRectF(x - size * 0.35, potTop - 4, size * 0.7, 8));
}

}  // namespace

QImage drawNightTerrace() {
  QImage img(kRoomWidth, kRoomHeight, QImage::Format_RGB32);
  drawSky(img);
  drawPaving(img);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Rng rng(104);
  drawStars(p, rng);
  drawMoon(p);
  drawCity(p, rng);
  drawBalustrade(p);
  drawLantern(p, 872, 300, 560);
  for (double x : {120.0, 300.0, 720.0, 980.0}) addGlow(p, QPointF(x, 440), 120, QColor(255, 170, 100), 0.08);
  drawPalm(p, 968, 560, 150);
  drawPalm(p, 40, 700, 110);
  drawStringLights(p, QPointF(-20, 24), QPointF(420, 30), 70);
  drawStringLights(p, QPointF(600, 14), QPointF(1044, 22), 44);
  p.end();
  vignette(img, QPointF(430, 420), 0.3);
  return img;
}

}  // namespace kestrin::artgen
