#include "front/view.h"

#include <algorithm>
#include <cmath>

#include "platform/controls.h"

namespace kestrin::front {

View View::fit(plat::Twips w, plat::Twips h, QSizeF area, double dpr) {
    View v;
    v.dpr = dpr > 0 ? dpr : 1.0;
    const double lw = double(w) / plat::kTwipsPerPixel;
    const double lh = double(h) / plat::kTwipsPerPixel;
    if (lw <= 0 || lh <= 0) return v;
    v.scale = std::max(1e-3, std::min(area.width() / lw, area.height() / lh));
    v.origin = QPointF(v.snap((area.width() - lw * v.scale) / 2),
                       v.snap((area.height() - lh * v.scale) / 2));
    return v;
}

double View::snap(double v) const { return std::round(v * dpr) / dpr; }

double View::x(plat::Twips tw) const {
    return snap(origin.x() + double(tw) * scale / plat::kTwipsPerPixel);
}

double View::y(plat::Twips tw) const {
    return snap(origin.y() + double(tw) * scale / plat::kTwipsPerPixel);
}

QRectF View::rect(plat::Twips l, plat::Twips t, plat::Twips w, plat::Twips h) const {
    const double x0 = x(l), y0 = y(t);
    // Edges from the far side too, so a control ends where its neighbour
    // begins; 64-bit sums because the game may park controls far away.
    const double x1 = snap(origin.x() + double(std::int64_t(l) + w) * scale / plat::kTwipsPerPixel);
    const double y1 = snap(origin.y() + double(std::int64_t(t) + h) * scale / plat::kTwipsPerPixel);
    return QRectF(QPointF(x0, y0), QPointF(std::max(x0, x1), std::max(y0, y1)));
}

QRectF View::rectOf(const plat::Control& c) const {
    return rect(c.absLeft(), c.absTop(), c.width, c.height);
}

double View::length(double logical) const {
    return std::max(1.0, std::round(logical * scale * dpr)) / dpr;
}

QPointF View::toTwips(QPointF p) const {
    return (p - origin) * (plat::kTwipsPerPixel / scale);
}

}  // namespace kestrin::front
