// Picture boxes, images and bitmaps drawn at their natural size.
#include <algorithm>
#include <cmath>

#include "front/art_cache.h"
#include "front/colours.h"
#include "front/paint_parts.h"

namespace kestrin::front::detail {

void drawUnscaled(QPainter& p, const plat::Picture& picture, const QRectF& box, const View& v) {
    const QPixmap& natural = ArtCache::instance().pixmap(picture);
    if (natural.isNull()) return;
    // Only the part that falls inside the box is copied, so nothing needs
    // clipping and a large room picture costs no more than what shows.
    const double w = std::min<double>({double(picture.width), double(natural.width()),
                                       box.width() / v.scale});
    const double h = std::min<double>({double(picture.height), double(natural.height()),
                                       box.height() / v.scale});
    if (w <= 0 || h <= 0) return;
    const QRectF target(box.topLeft(), QSizeF(std::min(box.width(), w * v.scale),
                                              std::min(box.height(), h * v.scale)));
    // From a copy at the device's resolution: a straight copy, not a
    // resampling, on every paint.
    const double deviceScale = v.scale * v.dpr;
    const QPixmap& pix = ArtCache::instance().scaled(picture, deviceScale);
    const double k = double(pix.width()) / natural.width();
    p.drawPixmap(target, pix, QRectF(0, 0, target.width() * v.dpr, target.height() * v.dpr)
                                  .intersected(QRectF(0, 0, w * k, h * k)));
}

void paintPictureBox(QPainter& p, const plat::PictureBox& box, const View& v) {
    const QRectF r = v.rectOf(box);
    p.fillRect(r, toQColor(box.back));
    if (!box.picture.empty()) drawUnscaled(p, box.picture, r, v);
    if (box.borderStyle == 1) drawFrame(p, r, v.length(1), QColor(0, 0, 0));
}

void paintImage(QPainter& p, const plat::Image& image, const View& v) {
    const QRectF r = v.rectOf(image);
    const plat::Picture& pic = image.picture();
    if (!pic.empty()) {
        const QPixmap& pix = ArtCache::instance().pixmap(pic);
        if (!pix.isNull()) {
            if (image.stretch) {
                const QSize device(int(std::lround(r.width() * v.dpr)), int(std::lround(r.height() * v.dpr)));
                const QPixmap& fitted = ArtCache::instance().resized(pic, device, false);
                p.drawPixmap(r, fitted, QRectF(fitted.rect()));
            } else {
                const QRectF natural(r.topLeft(), QSizeF(pic.width * v.scale, pic.height * v.scale));
                p.drawPixmap(natural, pix, QRectF(pix.rect()));
            }
        }
    }
    if (image.borderStyle == 1) drawFrame(p, r, v.length(1), QColor(0, 0, 0));
}

}  // namespace kestrin::front::detail
