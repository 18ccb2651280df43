// The embedded pictures: each decodes at the size and depth the game relies
// on, and the card sheet's cells hold what the game puts them to.

#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "resources/art.h"

namespace {

using kestrin::art::resourcePng;

QImage decode(int id) {
  const auto png = resourcePng(id);
  return QImage::fromData(png.data(), int(png.size()), "PNG");
}

// Bit depth and colour type straight from the PNG header (IHDR follows the
// 8-byte signature; depth and type are at offsets 24 and 25).
std::pair<int, int> depthAndColourType(int id) {
  const auto png = resourcePng(id);
  if (png.size() < 26) return {0, 0};
  return {png[24], png[25]};
}

QRect cell(int n) { return {40 * (n % 18), 56 * (n / 18), 40, 56}; }

bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }

int countPixels(const QImage& img, const QRect& r, bool (*test)(QRgb)) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += test(img.pixel(x, y)) ? 1 : 0;
  return n;
}

TEST(ArtResources, OnlyIds101To104Exist) {
  for (int id : {-1, 0, 100, 105, 1000}) EXPECT_TRUE(resourcePng(id).empty()) << id;
  for (int id = 101; id <= 104; ++id) EXPECT_FALSE(resourcePng(id).empty()) << id;
}

TEST(ArtResources, CardSheetIs722By226TrueColour) {
  EXPECT_EQ(depthAndColourType(101), std::make_pair(8, 2));  // 8 bits per channel, RGB, no alpha
  const QImage sheet = decode(101);
  ASSERT_FALSE(sheet.isNull());
  EXPECT_EQ(sheet.size(), QSize(722, 226));
  EXPECT_FALSE(sheet.hasAlphaChannel());
}

TEST(ArtResources, RoomsAre1024By768With256Colours) {
  for (int id = 102; id <= 104; ++id) {
    EXPECT_EQ(depthAndColourType(id), std::make_pair(8, 3)) << id;  // 8-bit palette
    const QImage room = decode(id);
    ASSERT_FALSE(room.isNull()) << id;
    EXPECT_EQ(room.size(), QSize(1024, 768)) << id;
    EXPECT_EQ(room.format(), QImage::Format_Indexed8) << id;
    EXPECT_LE(room.colorCount(), 256) << id;
    std::set<int> used;  // a real picture, not a blank fill
    for (int y = 0; y < room.height(); y += 7)
      for (int x = 0; x < room.width(); x += 7) used.insert(room.pixelIndex(x, y));
    EXPECT_GT(used.size(), 100u) << id;
  }
}

TEST(ArtResources, BacksHaveTheirGroundAndABlackDiscWithARedEmblem) {
  const QImage sheet = decode(101);
  const std::pair<int, QRgb> backs[] = {
      {0, qRgb(233, 143, 150)}, {53, qRgb(11, 135, 133)}, {54, qRgb(124, 147, 185)}, {55, qRgb(247, 191, 141)}};
  for (const auto& [n, ground] : backs) {
    const QRect r = cell(n);
    for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
      EXPECT_EQ(sheet.pixel(corner), ground) << "cell " << n;
    EXPECT_GT(countPixels(sheet, r, [](QRgb c) { return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16; }), 100)
        << "cell " << n;
    EXPECT_GT(countPixels(sheet, r, [](QRgb c) { return qRed(c) > 110 && qGreen(c) < 50 && qBlue(c) < 50; }), 40)
        << "cell " << n;
  }
}

TEST(ArtResources, UnusedCellsAndTheSpareEdgeAreWhite) {
  const QImage sheet = decode(101);
  auto white = [](QRgb c) { return c == qRgb(255, 255, 255); };
  for (int n = 56; n < 72; ++n) EXPECT_EQ(countPixels(sheet, cell(n), white), 40 * 56) << "cell " << n;
  EXPECT_EQ(countPixels(sheet, QRect(720, 0, 2, 226), white), 2 * 226);
  EXPECT_EQ(countPixels(sheet, QRect(0, 224, 722, 2), white), 722 * 2);
}

TEST(ArtResources, FacesAreRedExactlyForDiamondsAndHearts) {
  const QImage sheet = decode(101);
  std::set<QByteArray> distinct;
  for (int card = 1; card <= 52; ++card) {
    const int suit = (card - 1) % 4;  // clubs, diamonds, hearts, spades
    const QImage face = sheet.copy(cell(card));
    const int red = countPixels(face, face.rect(), isRed);
    if (suit == 1 || suit == 2)
      EXPECT_GT(red, 60) << "card " << card;
    else
      EXPECT_EQ(red, 0) << "card " << card;
    EXPECT_EQ(face.pixel(4, 48), qRgb(255, 255, 255)) << "card " << card;  // white paper below the index
    const QImage rgb = face.convertToFormat(QImage::Format_RGB888);
    distinct.insert(QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()));
  }
  EXPECT_EQ(distinct.size(), 52u);  // no two cards share a picture
}

}  // namespace
