#include "front/snapshot.h"

#include <cmath>

#include <QPainter>

#include "front/renderer.h"

namespace kestrin::front {

QImage renderToImage(const plat::Form& form, double scale) {
    if (!(scale > 0)) scale = 1.0;
    const int w = std::max(1, int(std::ceil(form.clientWidth * scale / plat::kTwipsPerPixel - 1e-9)));
    const int h = std::max(1, int(std::ceil(form.clientHeight * scale / plat::kTwipsPerPixel - 1e-9)));
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    View view;
    view.scale = scale;
    Renderer::paint(painter, form, view);
    return image;
}

}  // namespace kestrin::front
