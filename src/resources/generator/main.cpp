// kestrin_art_gen: draws the card sheet and the room pictures, saves them as
// PNG files into the output folder and writes art_data.cpp, which embeds the
// same bytes into the program. Run by the build; the output depends on
// nothing but this program, so every run gives the same bytes.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>
#include <vector>

#include "card_sheet.h"
#include "embed.h"
#include "palette.h"
#include "rooms.h"

namespace {

using kestrin::artgen::toIndexed8;

struct Picture {
  const char* fileName;
  std::function<QImage()> draw;
};

QByteArray pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG", 0);  // quality 0 = strongest compression: a smaller program
  return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The card indices are drawn with this face; a stand-in would change the art
// silently, so its absence stops the build.
bool haveIndexFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  return QFontInfo(font).family() == QStringLiteral("Liberation Sans");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestrin_art_gen OUTPUT_DIR\n");
    return 2;
  }
  if (!haveIndexFont()) {
    std::fprintf(stderr, "kestrin_art_gen: the font \"Liberation Sans\" is missing (Debian: fonts-liberation)\n");
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;

  const std::vector<Picture> pictures = {
      {"card_sheet_101.png", [] { return kestrin::artgen::drawCardSheet(); }},
      {"room_102_card_room.png", [] { return toIndexed8(kestrin::artgen::drawCardRoom()); }},
      {"room_103_casino_hall.png", [] { return toIndexed8(kestrin::artgen::drawCasinoHall()); }},
      {"room_104_night_terrace.png", [] { return toIndexed8(kestrin::artgen::drawNightTerrace()); }},
  };
  std::vector<QByteArray> pngs;
  for (const Picture& picture : pictures) {
    pngs.push_back(pngBytes(picture.draw()));
    if (pngs.back().isEmpty() || !writeFile(out.filePath(QString::fromLatin1(picture.fileName)), pngs.back())) {
      std::fprintf(stderr, "kestrin_art_gen: cannot write %s\n", picture.fileName);
      return 1;
    }
  }
  if (!kestrin::artgen::writeEmbeddedSource(out.filePath(QStringLiteral("art_data.cpp")), pngs)) {
    std::fprintf(stderr, "kestrin_art_gen: cannot write art_data.cpp\n");
    return 1;
  }
  return 0;
}
