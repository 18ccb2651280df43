#include "card_sheet.h"

#include <QPainter>

#include "card_back.h"
#include "card_face.h"

namespace kestrin::artgen {
namespace {

struct Back {
  int cell;
  QColor ground;
};

const Back kBacks[] = {
    {0, QColor(233, 143, 150)},   // pink
    {53, QColor(11, 135, 133)},   // teal
    {54, QColor(124, 147, 185)},  // slate blue
    {55, QColor(247, 191, 141)},  // peach
};

QPoint cellOrigin(int cell) { return {kCellWidth * (cell % kSheetColumns), kCellHeight * (cell / kSheetColumns)}; }

}  // namespace

QImage drawCardSheet() {
  QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  for (int card = 1; card <= 52; ++card) {
    const int rank = (card - 1) / 4 + 2;
    const auto suit = static_cast<Suit>((card - 1) % 4);
    drawCardFace(p, cellOrigin(card), rank, suit);
  }
  for (const Back& back : kBacks) drawCardBack(p, cellOrigin(back.cell), back.ground);
  p.end();
  return sheet.convertToFormat(QImage::Format_RGB888);
}

}  // namespace kestrin::artgen
