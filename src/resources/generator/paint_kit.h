#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <cstdint>

// Small helpers shared by the room pictures. Everything here is seeded by
// constants, so a picture comes out the same, byte for byte, on every run.
namespace kestrin::artgen {

// splitmix64: a tiny, well-mixed generator with a fixed seed.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform(double lo = 0.0, double hi = 1.0);  // in [lo, hi)
  int below(int n);                                  // in [0, n)

 private:
  std::uint64_t state_;
};

QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);

// Smooth value noise in [0, 1] and its sum over octaves (also in [0, 1]).
double noise(double x, double y, std::uint32_t seed);
double fbm(double x, double y, int octaves, std::uint32_t seed);

// A soft round light added onto the picture (additive, so glows overlap warmly).
void addGlow(QPainter& p, QPointF centre, double radius, const QColor& colour, double strength);

// Darkens toward the corners by up to `strength` (0..1).
void vignette(QImage& image, QPointF centre, double strength);

// Fills `area` of an RGB32 image pixel by pixel from shade(x, y) -> QColor.
template <typename Shade>
void shadePixels(QImage& image, const QRect& area, Shade shade) {
  const QRect r = area & image.rect();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) line[x] = shade(x, y).rgb();
  }
}

}  // namespace kestrin::artgen
