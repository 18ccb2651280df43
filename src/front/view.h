// Where the model's twips land on a paint device: a uniform scale from
// logical pixels (12 twips each) to painter units, an origin, and the
// device pixel ratio that edges are snapped to so neighbouring controls
// neither gap nor overlap at any scale.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "platform/basics.h"

namespace plat {
class Control;
}

namespace kestrin::front {

struct View {
    double scale = 1.0;  // painter units per logical pixel
    QPointF origin;      // the client's top-left, in painter units
    double dpr = 1.0;    // device pixels per painter unit

    // The largest view of a client of w x h twips that fits `area`
    // (painter units), centred with bars on the long side.
    static View fit(plat::Twips w, plat::Twips h, QSizeF area, double dpr);

    double snap(double v) const;
    double x(plat::Twips tw) const;
    double y(plat::Twips tw) const;
    QRectF rect(plat::Twips l, plat::Twips t, plat::Twips w, plat::Twips h) const;
    QRectF rectOf(const plat::Control& c) const;
    // A length of `logical` pixels, at least one device pixel.
    double length(double logical) const;
    // Painter units back to twips (for mouse positions).
    QPointF toTwips(QPointF p) const;
};

}  // namespace kestrin::front
