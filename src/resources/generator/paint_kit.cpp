#include "paint_kit.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace kestrin::artgen {

std::uint64_t Rng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi) { return lo + (hi - lo) * double(next() >> 11) * 0x1.0p-53; }

int Rng::below(int n) { return int(next() % std::uint64_t(n)); }

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor scaled(const QColor& c, double factor) {
  auto channel = [factor](float v) { return std::clamp(float(v * factor), 0.0f, 1.0f); };
  return QColor::fromRgbF(channel(c.redF()), channel(c.greenF()), channel(c.blueF()));
}

namespace {

double lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return double(h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double noise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
  const double bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

double fbm(double x, double y, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * noise(x, y, seed + std::uint32_t(i) * 101u);
    total += weight;
    x *= 2.03;
    y *= 2.03;
    weight *= 0.5;
  }
  return sum / total;
}

void addGlow(QPainter& p, QPointF centre, double radius, const QColor& colour, double strength) {
  QRadialGradient g(centre, radius);
  auto at = [&](double a) {
    QColor c = colour;
    c.setAlphaF(float(std::clamp(a * strength, 0.0, 1.0)));
    return c;
  };
  g.setColorAt(0.0, at(1.0));
  g.setColorAt(0.25, at(0.55));
  g.setColorAt(0.55, at(0.18));
  g.setColorAt(1.0, at(0.0));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

void vignette(QImage& image, QPointF centre, double strength) {
  const double reach = std::hypot(double(image.width()), double(image.height())) * 0.6;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double d = std::hypot(x - centre.x(), y - centre.y()) / reach;
      const double k = 1.0 - strength * smooth(std::clamp(d, 0.0, 1.0));
      const QRgb c = line[x];
      line[x] = qRgb(int(qRed(c) * k + 0.5), int(qGreen(c) * k + 0.5), int(qBlue(c) * k + 0.5));
    }
  }
}

}  // namespace kestrin::artgen
