// The painters of the individual control kinds, used by the renderer.
#pragma once

#include <QPainter>

#include "front/view.h"
#include "platform/controls.h"

namespace kestrin::front::detail {

void paintLabel(QPainter& p, const plat::Label& label, const View& v);
void paintButton(QPainter& p, const plat::CommandButton& button, const View& v);
void paintTextBox(QPainter& p, const plat::TextBox& box, const View& v);
void paintPictureBox(QPainter& p, const plat::PictureBox& box, const View& v);
void paintImage(QPainter& p, const plat::Image& image, const View& v);
void paintShape(QPainter& p, const plat::Shape& shape, const View& v);

// A picture at its natural size (one bitmap pixel per logical pixel) from
// the top-left of `box`, cut off at the box's edges.
void drawUnscaled(QPainter& p, const plat::Picture& picture, const QRectF& box, const View& v);
// A frame of `width` painter units drawn inside r.
void drawFrame(QPainter& p, const QRectF& r, double width, const QColor& colour);

}  // namespace kestrin::front::detail
