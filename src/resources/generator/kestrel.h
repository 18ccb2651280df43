#pragma once

#include <QPainterPath>
#include <QPointF>

namespace kestrin::artgen {

// Our emblem: a kestrel seen from below, wings spread, as one filled outline
// centred on `centre` and `span` wide.
QPainterPath kestrelPath(QPointF centre, double span);

}  // namespace kestrin::artgen
