#include "embed.h"

#include <QFile>

namespace kestrin::artgen {
namespace {

constexpr int kBytesPerLine = 96;

// Printable characters go in as they are; the rest as three-digit octal
// escapes, which (unlike \x) never swallow the character that follows.
void appendLiteral(QByteArray& out, const QByteArray& bytes) {
  static const char* const digits = "01234567";
  if (bytes.isEmpty()) out += "  \"\"\n";
  for (qsizetype start = 0; start < bytes.size(); start += kBytesPerLine) {
    out += "  \"";
    const qsizetype end = std::min(bytes.size(), start + kBytesPerLine);
    for (qsizetype i = start; i < end; ++i) {
      const auto c = static_cast<unsigned char>(bytes[i]);
      if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"' && c != '?') {
        out += static_cast<char>(c);
      } else {
        out += '\\';
        out += digits[(c >> 6) & 7];
        out += digits[(c >> 3) & 7];
        out += digits[c & 7];
      }
    }
    out += "\"\n";
  }
}

}  // namespace

bool writeEmbeddedSource(const QString& path, const std::vector<QByteArray>& pngs) {
  QByteArray out;
  out += "// Generated at build time by kestrin_art_gen. Do not edit.\n";
  out += "#include \"resources/art_data.h\"\n\nnamespace kestrin::art::detail {\nnamespace {\n\n";
  for (std::size_t i = 0; i < pngs.size(); ++i) {
    out += "const char kPng" + QByteArray::number(qulonglong(i)) + "[] =\n";
    appendLiteral(out, pngs[i]);
    out += "  ;\n\n";
  }
  out += "}  // namespace\n\nconst char* const kPngData[kResourceCount] = {";
  for (std::size_t i = 0; i < pngs.size(); ++i) out += (i ? ", kPng" : "kPng") + QByteArray::number(qulonglong(i));
  out += "};\nconst std::size_t kPngSize[kResourceCount] = {";
  for (std::size_t i = 0; i < pngs.size(); ++i)
    out += (i ? ", sizeof kPng" : "sizeof kPng") + QByteArray::number(qulonglong(i)) + " - 1";
  out += "};\n\n}  // namespace kestrin::art::detail\n";

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(out) == out.size();
}

}  // namespace kestrin::artgen
