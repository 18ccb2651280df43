#include "palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace kestrin::artgen {
namespace {

constexpr int kColours = 256;
constexpr int kBits = 6;  // histogram precision per channel
constexpr double kDiffusion = 0.85;  // a little under 1 keeps flat areas calm

struct Bucket {
  std::array<double, 3> sum{};  // sums of the true colours that fell in
  double count = 0;
  std::array<double, 3> mean() const { return {sum[0] / count, sum[1] / count, sum[2] / count}; }
};

std::vector<Bucket> histogram(const QImage& img) {
  std::vector<Bucket> cells(1u << (3 * kBits));
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
      const int shift = 8 - kBits;
      Bucket& cell = cells[((r >> shift) << (2 * kBits)) | ((g >> shift) << kBits) | (b >> shift)];
      cell.sum[0] += r;
      cell.sum[1] += g;
      cell.sum[2] += b;
      cell.count += 1;
    }
  }
  std::vector<Bucket> used;
  for (const Bucket& cell : cells)
    if (cell.count > 0) used.push_back(cell);
  return used;
}

struct Box {
  std::vector<Bucket> items;
  double error = 0;  // weighted squared distance from the box's mean
  int axis = 0;      // channel of widest spread
};

Box makeBox(std::vector<Bucket> items) {
  Box box{std::move(items)};
  std::array<double, 3> mean{}, spread{};
  double n = 0;
  for (const Bucket& b : box.items) {
    for (int c = 0; c < 3; ++c) mean[c] += b.sum[c];
    n += b.count;
  }
  for (double& m : mean) m /= n;
  for (const Bucket& b : box.items) {
    const auto m = b.mean();
    for (int c = 0; c < 3; ++c) spread[c] += b.count * (m[c] - mean[c]) * (m[c] - mean[c]);
  }
  box.error = spread[0] + spread[1] + spread[2];
  box.axis = int(std::max_element(spread.begin(), spread.end()) - spread.begin());
  return box;
}

// Splits the worst box at its weighted median until there are enough boxes.
std::vector<std::array<double, 3>> medianCut(std::vector<Bucket> buckets) {
  std::vector<Box> boxes;
  boxes.push_back(makeBox(std::move(buckets)));
  while (int(boxes.size()) < kColours) {
    auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.error < b.error; });
    if (worst->items.size() < 2) break;
    Box box = std::move(*worst);
    boxes.erase(worst);
    const int axis = box.axis;
    std::stable_sort(box.items.begin(), box.items.end(),
                     [axis](const Bucket& a, const Bucket& b) { return a.mean()[axis] < b.mean()[axis]; });
    double total = 0, running = 0;
    for (const Bucket& b : box.items) total += b.count;
    std::size_t cut = 1;
    for (; cut < box.items.size() - 1; ++cut) {
      running += box.items[cut - 1].count;
      if (running >= total / 2) break;
    }
    boxes.push_back(makeBox({box.items.begin(), box.items.begin() + long(cut)}));
    boxes.push_back(makeBox({box.items.begin() + long(cut), box.items.end()}));
  }
  std::vector<std::array<double, 3>> palette;
  for (const Box& box : boxes) {
    std::array<double, 3> m{};
    double n = 0;
    for (const Bucket& b : box.items) {
      for (int c = 0; c < 3; ++c) m[c] += b.sum[c];
      n += b.count;
    }
    palette.push_back({m[0] / n, m[1] / n, m[2] / n});
  }
  return palette;
}

int nearest(const std::vector<std::array<double, 3>>& palette, double r, double g, double b) {
  int best = 0;
  double bestDistance = 1e30;
  for (int i = 0; i < int(palette.size()); ++i) {
    const double dr = palette[i][0] - r, dg = palette[i][1] - g, db = palette[i][2] - b;
    // Weighted toward green, the channel the eye is keenest on.
    const double d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void refine(std::vector<std::array<double, 3>>& palette, const std::vector<Bucket>& buckets, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::array<double, 4>> acc(palette.size());
    for (const Bucket& b : buckets) {
      const auto m = b.mean();
      auto& a = acc[std::size_t(nearest(palette, m[0], m[1], m[2]))];
      for (int c = 0; c < 3; ++c) a[c] += b.sum[c];
      a[3] += b.count;
    }
    for (std::size_t i = 0; i < palette.size(); ++i)
      if (acc[i][3] > 0) palette[i] = {acc[i][0] / acc[i][3], acc[i][1] / acc[i][3], acc[i][2] / acc[i][3]};
  }
}

}  // namespace

QImage toIndexed8(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const std::vector<Bucket> buckets = histogram(rgb);
  std::vector<std::array<double, 3>> palette = medianCut(buckets);
  refine(palette, buckets, 4);
  // Round the palette to bytes first, so dithering aims at the colours stored.
  for (auto& entry : palette)
    for (double& v : entry) v = std::clamp(double(int(v + 0.5)), 0.0, 255.0);

  QImage out(rgb.size(), QImage::Format_Indexed8);
  QList<QRgb> table;
  for (const auto& e : palette) table.push_back(qRgb(int(e[0]), int(e[1]), int(e[2])));
  while (table.size() < kColours) table.push_back(qRgb(0, 0, 0));
  out.setColorTable(table);

  std::vector<std::int16_t> cache(std::size_t(1) << 24, -1);
  const int w = rgb.width();
  std::vector<std::array<double, 3>> err(std::size_t(w + 2)), nextErr(std::size_t(w + 2));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* dst = out.scanLine(y);
    std::fill(nextErr.begin(), nextErr.end(), std::array<double, 3>{});
    const bool forward = y % 2 == 0;  // serpentine, so errors do not drift one way
    for (int i = 0; i < w; ++i) {
      const int x = forward ? i : w - 1 - i;
      const int dir = forward ? 1 : -1;
      const std::size_t e = std::size_t(x + 1);
      std::array<double, 3> want{qRed(src[x]) + err[e][0], qGreen(src[x]) + err[e][1], qBlue(src[x]) + err[e][2]};
      for (double& v : want) v = std::clamp(v, 0.0, 255.0);
      const std::uint32_t key = (std::uint32_t(want[0] + 0.5) << 16) | (std::uint32_t(want[1] + 0.5) << 8) |
                                std::uint32_t(want[2] + 0.5);
      if (cache[key] < 0) cache[key] = std::int16_t(nearest(palette, (key >> 16) & 255, (key >> 8) & 255, key & 255));
      const int index = cache[key];
      dst[x] = uchar(index);
      for (int c = 0; c < 3; ++c) {
        const double q = (want[c] - palette[std::size_t(index)][c]) * kDiffusion;
        err[std::size_t(long(e) + dir)][c] += q * 7 / 16;
        nextErr[std::size_t(long(e) - dir)][c] += q * 3 / 16;
        nextErr[e][c] += q * 5 / 16;
        nextErr[std::size_t(long(e) + dir)][c] += q * 1 / 16;
      }
    }
    std::swap(err, nextErr);
  }
  return out;
}

}  // namespace kestrin::artgen
