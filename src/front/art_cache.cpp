#include "front/art_cache.h"

#include <cmath>
#include <cstdio>

#include <QImage>

#include "resources/art.h"

namespace kestrin::front {
namespace {

constexpr std::size_t kMaxResized = 256;

}  // namespace

ArtCache& ArtCache::instance() {
    static ArtCache cache;
    return cache;
}

void ArtCache::clear() {
    bitmaps_.clear();
    cells_.clear();
    resized_.clear();
}

const QPixmap& ArtCache::bitmap(int res) {
    auto it = bitmaps_.find(res);
    if (it != bitmaps_.end()) return it->second;
    QPixmap pix;
    const auto png = kestrin::art::resourcePng(res);
    QImage image;
    if (!png.empty() &&
        image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG")) {
        // The rooms are palette images; converting once keeps every blit a
        // plain copy instead of a palette lookup per paint.
        pix = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
    } else {
        std::fprintf(stderr, "kestrin: bitmap resource %d is missing or unreadable\n", res);
    }
    return bitmaps_.emplace(res, pix).first->second;
}

const QPixmap& ArtCache::pixmap(const plat::Picture& p) {
    if (p.empty()) return none_;
    const QPixmap& whole = bitmap(p.res);
    if (p.cell < 0 || whole.isNull()) return whole;
    const auto key = std::make_tuple(p.res, p.cell, p.width, p.height, p.cols);
    auto it = cells_.find(key);
    if (it != cells_.end()) return it->second;
    const int cols = p.cols > 0 ? p.cols : 1;
    const QRect cell(p.width * (p.cell % cols), p.height * (p.cell / cols), p.width, p.height);
    return cells_.emplace(key, whole.copy(cell.intersected(whole.rect()))).first->second;
}

const QPixmap& ArtCache::scaled(const plat::Picture& p, double deviceScale) {
    const QPixmap& natural = pixmap(p);
    if (natural.isNull() || std::abs(deviceScale - 1.0) < 1e-9) return natural;
    const QSize size(std::max(1, int(std::lround(natural.width() * deviceScale))),
                     std::max(1, int(std::lround(natural.height() * deviceScale))));
    // Whole multiples stay sharp; other scales are smoothed.
    return resized(p, size, std::abs(deviceScale - std::round(deviceScale)) < 1e-9);
}

const QPixmap& ArtCache::resized(const plat::Picture& p, QSize size, bool sharp) {
    const QPixmap& natural = pixmap(p);
    if (natural.isNull() || natural.size() == size || size.isEmpty()) return natural;
    const SizedKey key{Key{p.res, p.cell, p.width, p.height, p.cols}, size.width(), size.height(),
                       sharp};
    auto it = resized_.find(key);
    if (it != resized_.end()) return it->second;
    if (resized_.size() >= kMaxResized) resized_.clear();
    return resized_
        .emplace(key, natural.scaled(size, Qt::IgnoreAspectRatio,
                                     sharp ? Qt::FastTransformation : Qt::SmoothTransformation))
        .first->second;
}

}  // namespace kestrin::front
