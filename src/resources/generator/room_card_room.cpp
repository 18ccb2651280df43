#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

#include "paint_kit.h"
#include "rooms.h"

// Resource 102: a warm, wood-panelled card room. Dark panelled walls (the red
// seat labels stand on them), brass sconces along the top, two paintings, a
// fireplace on the right and a boarded floor with a rug along the bottom.
namespace kestrin::artgen {
namespace {

constexpr int kCorniceBottom = 28;
constexpr int kRailTop = 556;
constexpr int kSkirtingTop = 650;
constexpr int kFloorTop = 664;
constexpr int kBay = 128;  // one panel plus its share of frame

const QColor kFrameWood(80, 44, 23);
const QColor kPanelWood(98, 57, 30);
const QColor kDarkWood(52, 28, 15);

// Vertical grain: slow along the board, quick across it.
QColor grain(int x, int y, const QColor& base, std::uint32_t seed) {
  const double n = fbm(x * 0.045, y * 0.0035, 4, seed);
  const double ring = 0.5 + 0.5 * std::sin(n * 30.0 + x * 0.11);
  return scaled(base, 0.86 + 0.14 * n + 0.07 * ring);
}

void drawWall(QImage& img) {
  shadePixels(img, QRect(0, 0, kRoomWidth, kCorniceBottom), [](int x, int y) {
    if (y >= 12 && y < 20) return grain(x, y, x % 12 < 7 ? scaled(kDarkWood, 1.45) : scaled(kDarkWood, 0.7), 11);  // dentils
    return grain(x, y, y > 23 ? scaled(kDarkWood, 1.6) : kDarkWood, 11);
  });
  shadePixels(img, QRect(0, kCorniceBottom, kRoomWidth, kRailTop - kCorniceBottom),
              [](int x, int y) { return grain(x, y, kFrameWood, 12); });
  shadePixels(img, QRect(0, kRailTop, kRoomWidth, kSkirtingTop - kRailTop), [](int x, int y) {
    if (y < kRailTop + 12) return grain(x, y, scaled(kDarkWood, y < kRailTop + 3 ? 1.6 : 1.2), 13);
    return grain(x, y, scaled(kFrameWood, 0.85), 14);
  });
  shadePixels(img, QRect(0, kSkirtingTop, kRoomWidth, kFloorTop - kSkirtingTop),
              [](int x, int y) { return grain(x, y, kDarkWood, 15); });
}

// A raised panel: lighter field, lit bevel at top-left, shadowed at bottom-right.
void drawPanel(QImage& img, QPainter& p, const QRect& r, std::uint32_t seed) {
  p.end();
  shadePixels(img, r, [&](int x, int y) {
    QColor c = grain(x, y, kPanelWood, seed);
    const int left = x - r.left(), top = y - r.top(), right = r.right() - x, bottom = r.bottom() - y;
    const int edge = std::min({left, top, right, bottom});
    if (edge < 5) {
      const bool lit = (left == edge || top == edge);
      c = scaled(c, lit ? 1.22 - 0.03 * edge : 0.70 + 0.04 * edge);
    }
    return c;
  });
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing);
}

void drawSconce(QPainter& p, double x, double y) {
  addGlow(p, QPointF(x, y - 6), 150, QColor(255, 170, 90), 0.30);
  addGlow(p, QPointF(x, y - 24), 60, QColor(255, 190, 120), 0.30);  // the wash thrown up the wall
  addGlow(p, QPointF(x, y - 4), 34, QColor(255, 214, 150), 0.55);
  p.setPen(QPen(QColor(70, 50, 20), 1));
  p.setBrush(QColor(176, 132, 58));
  p.drawRoundedRect(QRectF(x - 5, y + 4, 10, 26), 3, 3);  // backplate
  p.drawRect(QRectF(x - 1.5, y - 2, 3, 10));              // stem
  QPainterPath shade;
  shade.moveTo(x - 7, y - 20);
  shade.lineTo(x + 7, y - 20);
  shade.lineTo(x + 12, y - 2);
  shade.lineTo(x - 12, y - 2);
  shade.closeSubpath();
  QLinearGradient g(x, y - 20, x, y - 2);
  g.setColorAt(0, QColor(255, 236, 196));
  g.setColorAt(1, QColor(238, 196, 128));
  p.setPen(QPen(QColor(150, 110, 60), 0.8));
  p.setBrush(g);
  p.drawPath(shade);
}

// A small evening landscape in a gilt frame.
void drawPainting(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRect(r.translated(4, 5));  // cast shadow
  QLinearGradient frame(r.topLeft(), r.bottomRight());
  frame.setColorAt(0, QColor(214, 170, 80));
  frame.setColorAt(0.5, QColor(150, 108, 40));
  frame.setColorAt(1, QColor(196, 150, 66));
  p.setBrush(frame);
  p.drawRect(r);
  const QRectF art = r.adjusted(10, 10, -10, -10);
  QLinearGradient sky(art.topLeft(), art.bottomLeft());
  sky.setColorAt(0, QColor(70, 92, 128));
  sky.setColorAt(0.55, QColor(214, 150, 100));
  sky.setColorAt(1, QColor(120, 90, 70));
  p.setBrush(sky);
  p.drawRect(art);
  p.save();
  p.setClipRect(art);
  p.setBrush(QColor(246, 210, 150));
  p.drawEllipse(QPointF(art.left() + art.width() * 0.66, art.top() + art.height() * 0.52), 9, 9);
  QPainterPath far;
  far.moveTo(art.left(), art.bottom());
  far.lineTo(art.left(), art.top() + art.height() * 0.6);
  far.cubicTo(art.left() + art.width() * 0.3, art.top() + art.height() * 0.45, art.left() + art.width() * 0.5,
              art.top() + art.height() * 0.68, art.right(), art.top() + art.height() * 0.56);
  far.lineTo(art.right(), art.bottom());
  p.setBrush(QColor(92, 92, 98));
  p.drawPath(far);
  QPainterPath near;
  near.moveTo(art.left(), art.bottom());
  near.lineTo(art.left(), art.top() + art.height() * 0.78);
  near.cubicTo(art.left() + art.width() * 0.4, art.top() + art.height() * 0.66, art.left() + art.width() * 0.7,
               art.top() + art.height() * 0.86, art.right(), art.top() + art.height() * 0.74);
  near.lineTo(art.right(), art.bottom());
  p.setBrush(QColor(50, 62, 44));
  p.drawPath(near);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(96, 66, 20), 1.5));
  p.drawRect(art);
}

void drawFlame(QPainter& p, double x, double base, double h, double w, const QColor& c) {
  QPainterPath f;
  f.moveTo(x - w, base);
  f.cubicTo(x - w, base - h * 0.5, x - w * 0.2, base - h * 0.6, x, base - h);
  f.cubicTo(x + w * 0.3, base - h * 0.6, x + w, base - h * 0.5, x + w, base);
  f.closeSubpath();
  p.setBrush(c);
  p.drawPath(f);
}

// A brass picture light over a frame, washing it from above.
void drawPictureLight(QPainter& p, const QRectF& frame) {
  const double x = frame.center().x();
  addGlow(p, QPointF(x, frame.top() + 30), frame.width() * 0.75, QColor(255, 200, 130), 0.22);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 112, 50));
  p.drawRect(QRectF(x - 2, frame.top() - 16, 4, 12));
  p.setBrush(QColor(196, 152, 70));
  p.drawRoundedRect(QRectF(x - frame.width() * 0.3, frame.top() - 20, frame.width() * 0.6, 7), 3, 3);
}

void drawFireplace(QPainter& p) {
  const QRectF surround(812, 432, 200, kFloorTop - 432);
  QLinearGradient stone(surround.topLeft(), surround.topRight());
  stone.setColorAt(0, QColor(58, 46, 42));
  stone.setColorAt(0.5, QColor(82, 66, 58));
  stone.setColorAt(1, QColor(50, 40, 36));
  p.setPen(Qt::NoPen);
  p.setBrush(stone);
  p.drawRect(surround);
  p.setBrush(QColor(40, 32, 30));
  for (double y = surround.top() + 24; y < surround.bottom(); y += 24) p.drawRect(QRectF(surround.left(), y, 36, 1.5));
  for (double y = surround.top() + 24; y < surround.bottom(); y += 24) p.drawRect(QRectF(surround.right() - 36, y, 36, 1.5));
  p.setBrush(QColor(70, 40, 22));
  p.drawRect(QRectF(800, 418, 224, 16));  // mantel shelf
  p.setBrush(QColor(110, 66, 36));
  p.drawRect(QRectF(800, 418, 224, 3));
  p.setBrush(QColor(66, 54, 50));
  p.drawRect(QRectF(800, kFloorTop, 224, 14));  // hearth
  p.setBrush(QColor(96, 80, 70));
  p.drawRect(QRectF(800, kFloorTop, 224, 2));

  const QRectF opening(848, 486, 128, kFloorTop - 486);
  QPainterPath arch;
  arch.moveTo(opening.bottomLeft());
  arch.lineTo(opening.left(), opening.top() + 24);
  arch.quadTo(opening.center().x(), opening.top() - 14, opening.right(), opening.top() + 24);
  arch.lineTo(opening.bottomRight());
  arch.closeSubpath();
  p.setBrush(QColor(18, 12, 10));
  p.drawPath(arch);
  addGlow(p, QPointF(912, 640), 120, QColor(255, 120, 40), 0.45);
  p.save();
  p.setClipPath(arch);
  drawFlame(p, 888, 652, 44, 14, QColor(190, 66, 20));
  drawFlame(p, 936, 652, 48, 15, QColor(198, 72, 22));
  drawFlame(p, 912, 652, 62, 19, QColor(226, 100, 30));
  drawFlame(p, 898, 652, 36, 11, QColor(244, 150, 50));
  drawFlame(p, 924, 652, 42, 11, QColor(246, 170, 60));
  drawFlame(p, 912, 652, 24, 8, QColor(252, 220, 130));
  p.setBrush(QColor(58, 32, 18));
  p.drawRoundedRect(QRectF(866, 648, 92, 9), 4, 4);
  p.restore();
  addGlow(p, QPointF(912, 630), 46, QColor(255, 180, 90), 0.45);

  // Candlesticks on the mantel.
  for (double cx : {836.0, 988.0}) {
    p.setBrush(QColor(170, 128, 54));
    p.drawRect(QRectF(cx - 4, 402, 8, 16));
    p.setBrush(QColor(240, 230, 210));
    p.drawRect(QRectF(cx - 2.5, 380, 5, 22));
    p.setBrush(QColor(255, 210, 120));
    p.drawEllipse(QPointF(cx, 375), 2.2, 4);
    addGlow(p, QPointF(cx, 374), 40, QColor(255, 190, 100), 0.45);
  }
}

void drawFloor(QImage& img) {
  shadePixels(img, QRect(0, kFloorTop, kRoomWidth, kRoomHeight - kFloorTop), [](int x, int y) {
    const int row = (y - kFloorTop) / 16;
    const int joint = (row * 173) % 240;
    const double tone = 0.82 + 0.12 * ((row * 37) % 5) / 4.0;
    QColor c = grain(y * 3 + row * 50, x, scaled(QColor(110, 66, 36), tone), 21);
    if ((y - kFloorTop) % 16 == 0 || (x + joint) % 240 == 0) c = scaled(c, 0.6);
    return c;
  });
}

void drawRug(QPainter& p) {
  const QRectF rug(40, 694, 720, 90);
  p.setPen(QPen(QColor(170, 150, 110), 1));
  for (double x = rug.left() + 2; x < rug.right(); x += 4) p.drawLine(QPointF(x, rug.top() - 5), QPointF(x, rug.top()));
  p.setPen(Qt::NoPen);
  QLinearGradient pile(rug.topLeft(), rug.topRight());
  pile.setColorAt(0, QColor(26, 50, 44));
  pile.setColorAt(0.5, QColor(34, 64, 56));
  pile.setColorAt(1, QColor(26, 50, 44));
  p.setBrush(pile);
  p.drawRect(rug);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 120, 60), 3));
  p.drawRect(rug.adjusted(8, 8, -8, 8));
  p.setPen(QPen(QColor(110, 40, 36), 2));
  p.drawRect(rug.adjusted(16, 16, -16, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(128, 104, 56));
  for (double x = rug.left() + 40; x < rug.right() - 30; x += 40) {
    QPainterPath d;
    d.moveTo(x, 730);
    d.lineTo(x + 8, 738);
    d.lineTo(x, 746);
    d.lineTo(x - 8, 738);
    d.closeSubpath();
    p.drawPath(d);
  }
}

}  // namespace

QImage drawCardRoom() {
  QImage img(kRoomWidth, kRoomHeight, QImage::Format_RGB32);
  drawWall(img);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (int bay = 0; bay < kRoomWidth / kBay; ++bay) {
    const int x = bay * kBay;
    drawPanel(img, p, QRect(x + 16, 54, kBay - 32, 236), 30u + std::uint32_t(bay));
    drawPanel(img, p, QRect(x + 16, 316, kBay - 32, 214), 40u + std::uint32_t(bay));
    drawPanel(img, p, QRect(x + 16, kRailTop + 22, kBay - 32, 56), 50u + std::uint32_t(bay));
  }
  p.end();
  drawFloor(img);
  vignette(img, QPointF(420, 450), 0.45);
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing);
  drawRug(p);
  const QRectF leftPainting(178, 48, 156, 112), rightPainting(836, 182, 152, 176);
  drawPainting(p, leftPainting);
  drawPainting(p, rightPainting);
  drawPictureLight(p, rightPainting);
  for (double x : {128.0, 384.0, 640.0}) drawSconce(p, x, 134);
  drawFireplace(p);
  p.end();
  return img;
}

}  // namespace kestrin::artgen
