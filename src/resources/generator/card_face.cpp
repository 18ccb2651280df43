#include "card_face.h"

#include <QFont>
#include <QPainterPath>
#include <QTransform>

namespace kestrin::artgen {
namespace {

const QColor kBorder(48, 48, 58);
const QColor kPaper(255, 255, 255);
const QColor kRed(204, 18, 32);
const QColor kBlack(24, 24, 30);
const QColor kPanel(250, 240, 208);
const QColor kGold(218, 164, 36);
const QColor kGoldDark(120, 84, 16);

// Index column: rank letters 9 px tall from y = 3, centred on x = 8.
constexpr double kIndexCentreX = 8.0;
constexpr double kIndexCapTop = 3.0;
constexpr double kIndexCapHeight = 9.0;
constexpr double kIndexMaxWidth = 12.0;

QString rankText(int rank) {
  switch (rank) {
    case 10: return QStringLiteral("10");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    case 14: return QStringLiteral("A");
    default: return QString::number(rank);
  }
}

// The rank as an outline scaled to the index's cap height; a wide rank ("10")
// is narrowed to fit the column instead of shrinking it.
QPainterPath rankPath(int rank) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(100);
  QPainterPath capital;
  capital.addText(0, 0, font, QStringLiteral("H"));
  const double scale = kIndexCapHeight / capital.boundingRect().height();

  QPainterPath text;
  text.addText(0, 0, font, rankText(rank));
  const QRectF box = text.boundingRect();
  const double scaleX = std::min(scale, kIndexMaxWidth / box.width());
  QTransform t;
  t.translate(kIndexCentreX - box.center().x() * scaleX, kIndexCapTop + kIndexCapHeight);
  t.scale(scaleX, scale);
  return t.map(text);
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

const QColor kSkin(244, 210, 176);
const QColor kHairDark(96, 62, 34);
const QColor kHairFair(186, 128, 56);
const QColor kBeard(150, 132, 116);
const QColor kHat(44, 84, 140);

void drawHeadgear(QPainter& p, int rank) {
  p.setPen(QPen(kGoldDark, 0.7));
  p.setBrush(kGold);
  if (rank == 13) {  // king: a tall crown
    p.drawPath(polygonPath({{20.5, 17}, {20.5, 10.5}, {23.3, 13.2}, {26, 8.5}, {28.7, 13.2}, {31.5, 10.5}, {31.5, 17}}));
  } else if (rank == 12) {  // queen: a low coronet with pearls
    p.drawPath(polygonPath({{21.5, 16.5}, {21.5, 14}, {30.5, 14}, {30.5, 16.5}}));
    p.setBrush(QColor(250, 248, 240));
    for (double x : {22.5, 26.0, 29.5}) p.drawEllipse(QPointF(x, x == 26.0 ? 12.4 : 13.0), 1.3, 1.3);
  } else {  // jack: a soft cap with a feather
    QPainterPath feather;
    feather.moveTo(28, 13.5);
    feather.cubicTo(29, 9.5, 32.5, 7.5, 35, 8);
    feather.cubicTo(32.5, 9.5, 31, 11.5, 30, 14);
    feather.closeSubpath();
    p.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(20, 17.5);
    cap.cubicTo(20, 11.5, 32, 11.5, 32, 17.5);
    cap.closeSubpath();
    p.setPen(QPen(kHat.darker(160), 0.7));
    p.setBrush(kHat);
    p.drawPath(cap);
  }
}

// A small bust in the court panel: robe in the suit's colour with the suit on
// the chest, a face, and headgear that tells king, queen and jack apart.
void drawCourtFigure(QPainter& p, int rank, Suit suit, const QColor& ink) {
  p.setPen(Qt::NoPen);
  if (rank == 12) {  // long hair, behind the face and shoulders
    p.setBrush(kHairFair);
    p.drawRoundedRect(QRectF(20.2, 15.5, 11.6, 15), 5, 5);
  }
  QPainterPath robe;
  robe.moveTo(17, 51);
  robe.lineTo(17, 38);
  robe.cubicTo(17, 31.5, 21, 29.5, 26, 29.5);
  robe.cubicTo(31, 29.5, 35, 31.5, 35, 38);
  robe.lineTo(35, 51);
  robe.closeSubpath();
  fill(p, robe, ink);
  p.setPen(QPen(kGold, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(21, 30.5), QPointF(26, 35), QPointF(31, 30.5)}));
  fill(p, suitPath(suit, QRectF(21.5, 37.5, 9, 10)), kPanel);

  p.setPen(Qt::NoPen);
  p.setBrush(kSkin);
  p.drawRect(QRectF(24.5, 26, 3, 4));  // neck
  p.drawEllipse(QPointF(26, 22.5), 4.3, 5.2);
  if (rank == 13) {
    QPainterPath beard;
    beard.moveTo(21.7, 22.5);
    beard.quadTo(22, 30, 26, 30);
    beard.quadTo(30, 30, 30.3, 22.5);
    beard.quadTo(26, 26, 21.7, 22.5);
    fill(p, beard, kBeard);
  } else if (rank == 11) {
    QPainterPath hair;
    hair.moveTo(21.6, 22);
    hair.cubicTo(21, 16, 31, 16, 30.4, 22);
    hair.lineTo(29.5, 19.5);
    hair.lineTo(22.5, 19.5);
    hair.closeSubpath();
    fill(p, hair, kHairDark);
  }
  p.setBrush(QColor(40, 30, 30));
  p.drawEllipse(QPointF(24.4, 21.8), 0.6, 0.7);
  p.drawEllipse(QPointF(27.6, 21.8), 0.6, 0.7);
  drawHeadgear(p, rank);
}

void drawCourtPanel(QPainter& p, int rank, Suit suit, const QColor& ink) {
  const QRectF panel(15.5, 4.5, 21, 47);
  p.setPen(QPen(ink, 1.0));
  p.setBrush(kPanel);
  p.drawRoundedRect(panel, 1.5, 1.5);
  p.save();
  p.setClipRect(panel.adjusted(0.5, 0.5, -0.5, -0.5));
  drawCourtFigure(p, rank, suit, ink);
  p.restore();
}

}  // namespace

void drawCardFace(QPainter& p, QPoint origin, int rank, Suit suit) {
  p.save();
  p.translate(origin);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor ink = isRed(suit) ? kRed : kBlack;

  // Dark outline with softly rounded corners, white paper inside.
  p.fillRect(QRect(0, 0, 40, 56), kBorder);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(1, 1, 38, 54), 2.0, 2.0);

  fill(p, rankPath(rank), ink);
  fill(p, suitPath(suit, QRectF(4, 15, 8, 8.5)), ink);

  if (rank >= 11 && rank <= 13) {
    drawCourtPanel(p, rank, suit, ink);
  } else if (rank == 14) {
    p.setPen(QPen(ink, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 32), 13.5, 13.5);
    fill(p, suitPath(suit, QRectF(13, 20, 22, 24)), ink);
  } else {
    fill(p, suitPath(suit, QRectF(14, 22, 20, 22)), ink);
  }
  p.restore();
}

}  // namespace kestrin::artgen
