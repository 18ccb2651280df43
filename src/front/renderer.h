// Paints one form of the model, back to front, at a uniform scale. The same
// code draws windows on screen, snapshots and benchmarks.
#pragma once

#include <QPainter>

#include "front/view.h"
#include "platform/form.h"

namespace kestrin::front {

class Renderer {
public:
    // Paints the client area of `form` as the view places it; nothing
    // outside the client is touched.
    static void paint(QPainter& painter, const plat::Form& form, const View& view);
    // One control, without its frame's clipping.
    static void paintControl(QPainter& painter, const plat::Control& control, const View& view);
};

}  // namespace kestrin::front
