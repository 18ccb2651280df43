// Shapes: back, fill pattern, then border, each inside the shape's box.
// Rounded and round shapes are antialiased, which is slow for patterns and
// thick borders, so small ones are drawn once into a sprite at the
// device's resolution and copied from then on (the table's 91 chips share
// a handful of sprites).
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include <QImage>
#include <QPixmap>

#include "front/colours.h"
#include "front/paint_parts.h"

namespace kestrin::front::detail {
namespace {

constexpr int kMaxSpriteArea = 256 * 256;  // device pixels; larger shapes draw directly
constexpr std::size_t kMaxSprites = 512;

void drawOutline(QPainter& p, plat::Shape::Kind kind, const QRectF& r) {
    switch (kind) {
    case plat::Shape::Kind::Rectangle: p.drawRect(r); break;
    case plat::Shape::Kind::RoundedRectangle: {
        const double radius = std::min(r.width(), r.height()) / 6;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case plat::Shape::Kind::Oval:
    case plat::Shape::Kind::Circle: p.drawEllipse(r); break;
    }
}

Qt::BrushStyle pattern(plat::Shape::Fill f) {
    switch (f) {
    case plat::Shape::Fill::Solid: return Qt::SolidPattern;
    case plat::Shape::Fill::Cross: return Qt::CrossPattern;
    case plat::Shape::Fill::DiagonalCross: return Qt::DiagCrossPattern;
    case plat::Shape::Fill::Transparent: break;
    }
    return Qt::NoBrush;
}

// A rounded or round shape in r with a border of bw, antialiased.
void drawCurved(QPainter& p, const plat::Shape& s, const QRectF& r, double bw) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    if (s.opaque) {
        p.setBrush(toQColor(s.back));
        drawOutline(p, s.shape, r);
    }
    if (s.fill != plat::Shape::Fill::Transparent) {
        p.setBrush(QBrush(toQColor(s.fillColour), pattern(s.fill)));
        drawOutline(p, s.shape, r);
    }
    if (bw > 0) {
        // The line runs inside the box, like the rectangle's frame.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(toQColor(s.borderColour), bw, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        drawOutline(p, s.shape, r.adjusted(bw / 2, bw / 2, -bw / 2, -bw / 2));
    }
    p.restore();
}

using SpriteKey = std::tuple<int, int, int, bool, plat::Colour, int, plat::Colour, int, plat::Colour>;

const QPixmap& sprite(const plat::Shape& s, int w, int h, int bw) {
    static std::map<SpriteKey, QPixmap> sprites;
    const SpriteKey key{int(s.shape), w, h, s.opaque, s.back, int(s.fill), s.fillColour, bw,
                        s.borderColour};
    auto it = sprites.find(key);
    if (it != sprites.end()) return it->second;
    if (sprites.size() >= kMaxSprites) sprites.clear();
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawCurved(p, s, QRectF(0, 0, w, h), bw);
    p.end();
    return sprites.emplace(key, QPixmap::fromImage(img)).first->second;
}

}  // namespace

void paintShape(QPainter& p, const plat::Shape& shape, const View& v) {
    QRectF r = v.rectOf(shape);
    if (shape.shape == plat::Shape::Kind::Circle) {
        const double d = std::min(r.width(), r.height());
        r = QRectF(v.snap(r.center().x() - d / 2), v.snap(r.center().y() - d / 2), d, d);
    }
    if (r.isEmpty()) return;
    const double bw = shape.border ? std::min(v.length(std::max(1, shape.borderWidth)),
                                              std::min(r.width(), r.height()) / 2)
                                   : 0.0;
    if (shape.shape == plat::Shape::Kind::Rectangle) {
        // Axis-aligned: plain fills, crisp at every scale and the fastest.
        if (shape.opaque) p.fillRect(r, toQColor(shape.back));
        if (shape.fill != plat::Shape::Fill::Transparent)
            p.fillRect(r, QBrush(toQColor(shape.fillColour), pattern(shape.fill)));
        if (bw > 0) drawFrame(p, r, bw, toQColor(shape.borderColour));
        return;
    }
    const int w = int(std::lround(r.width() * v.dpr));
    const int h = int(std::lround(r.height() * v.dpr));
    if (std::int64_t(w) * h > kMaxSpriteArea) {
        drawCurved(p, shape, r, bw);
        return;
    }
    p.drawPixmap(r, sprite(shape, w, h, int(std::lround(bw * v.dpr))), QRectF(0, 0, w, h));
}

}  // namespace kestrin::front::detail
