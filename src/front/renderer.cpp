#include "front/renderer.h"

#include <algorithm>
#include <cmath>

#include "front/art_cache.h"
#include "front/colours.h"
#include "front/paint_parts.h"

namespace kestrin::front {
namespace {

// The area a frame lets its children draw in: its own box inside every
// frame that holds it.
QRectF frameClip(const plat::Control& c, const View& v) {
    QRectF clip;
    bool first = true;
    for (const plat::Frame* f = c.parent; f; f = f->parent) {
        const QRectF r = v.rectOf(*f);
        clip = first ? r : clip.intersected(r);
        first = false;
    }
    return clip;
}

bool integerScale(const View& v) {
    const double s = v.scale * v.dpr;
    return std::abs(s - std::round(s)) < 1e-6;
}

}  // namespace

void Renderer::paintControl(QPainter& p, const plat::Control& c, const View& v) {
    using K = plat::ControlKind;
    switch (c.kind()) {
    case K::Label: detail::paintLabel(p, static_cast<const plat::Label&>(c), v); break;
    case K::CommandButton:
        detail::paintButton(p, static_cast<const plat::CommandButton&>(c), v);
        break;
    case K::TextBox: detail::paintTextBox(p, static_cast<const plat::TextBox&>(c), v); break;
    case K::PictureBox:
        detail::paintPictureBox(p, static_cast<const plat::PictureBox&>(c), v);
        break;
    case K::Image: detail::paintImage(p, static_cast<const plat::Image&>(c), v); break;
    case K::Shape: detail::paintShape(p, static_cast<const plat::Shape&>(c), v); break;
    case K::Frame:
        p.fillRect(v.rectOf(c), toQColor(static_cast<const plat::Frame&>(c).back));
        break;
    }
}

void Renderer::paint(QPainter& p, const plat::Form& form, const View& v) {
    p.save();
    const QRectF client = v.rect(0, 0, form.clientWidth, form.clientHeight);
    p.setClipRect(client, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const QRectF visible = p.clipBoundingRect().intersected(client);
    // Whole-pixel scales keep bitmaps crisp; in between, smoothing reads better.
    p.setRenderHint(QPainter::SmoothPixmapTransform, !integerScale(v));
    // A room picture that covers the whole client leaves no back colour to see.
    const QPixmap& room = ArtCache::instance().pixmap(form.picture);
    const bool covered = !room.isNull() &&
                         std::min(form.picture.width, int(room.width())) * plat::kTwipsPerPixel >= form.clientWidth &&
                         std::min(form.picture.height, int(room.height())) * plat::kTwipsPerPixel >= form.clientHeight;
    if (!covered) p.fillRect(client, toQColor(form.back));
    if (!form.picture.empty()) detail::drawUnscaled(p, form.picture, client, v);

    for (const plat::Control* c : form.paintOrder()) {
        if (!c->shown()) continue;
        const bool grows = c->kind() == plat::ControlKind::Label &&
                           static_cast<const plat::Label*>(c)->autoSize;
        if (!grows && !v.rectOf(*c).intersects(visible)) continue;
        if (!c->parent) {
            paintControl(p, *c, v);
            continue;
        }
        const QRectF clip = frameClip(*c, v);
        if (!clip.intersects(visible)) continue;
        p.save();
        p.setClipRect(clip, Qt::IntersectClip);
        paintControl(p, *c, v);
        p.restore();
    }
    p.restore();
}

}  // namespace kestrin::front
