// Compares what a virtual X server's screen shows in a rectangle with a
// picture of what should be there. The screen is read from the file the
// server keeps its screen memory in (Xvfb -fbdir DIR: DIR/Xvfb_screen0, an
// XWD image), so no X request and no window's own image is involved.
//
//   kestrin_screen_check SCREEN X,Y WIDTHxHEIGHT REFERENCE.png RX,RY MIN_SHARE [SAVE.png]
//
// The screen's rectangle at X,Y is set against the reference's at RX,RY; a
// pixel matches when each channel is within a few steps. Prints the share of
// matching pixels and exits 0 when it is at least MIN_SHARE (0 to 1), 1 when
// it is less, 2 on bad input. SAVE.png, if given, gets the screen's rectangle.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <QImage>

namespace {

constexpr int kTolerance = 12;  // per channel, out of 255

struct Screen {
    int width = 0, height = 0, bytesPerPixel = 0, bytesPerLine = 0;
    bool msbFirst = false;
    std::uint32_t masks[3] = {};
    std::size_t dataOffset = 0;
    std::vector<unsigned char> bytes;
};

std::uint32_t bigEndian(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The XWD header: 25 big-endian words, the window name, then the colour map
// of 12 bytes an entry, then the pixels.
bool readScreen(const char* path, Screen& s, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    s.bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (s.bytes.size() < 100) {
        why = "no screen image";
        return false;
    }
    auto word = [&](int i) { return bigEndian(&s.bytes[std::size_t(i) * 4]); };
    const std::uint32_t headerSize = word(0), version = word(1), format = word(2),
                        depth = word(3), width = word(4), height = word(5),
                        bitsPerPixel = word(11), bytesPerLine = word(12), visualClass = word(13),
                        ncolors = word(19);
    const bool trueColour = visualClass == 4 || visualClass == 5;  // TrueColor, DirectColor
    if (headerSize < 100 || version != 7 || format != 2 || depth < 15 || !trueColour ||
        (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) || !word(14) ||
        !word(15) || !word(16) || width == 0 || height == 0 || width > 65535 || height > 65535 ||
        ncolors > 65536 || bytesPerLine < width * (bitsPerPixel / 8)) {
        why = "not a true-colour screen image this tool reads";
        return false;
    }
    s.width = int(width);
    s.height = int(height);
    s.msbFirst = word(7) != 0;
    s.bytesPerLine = int(bytesPerLine);
    s.masks[0] = word(14);
    s.masks[1] = word(15);
    s.masks[2] = word(16);
    s.bytesPerPixel = int(bitsPerPixel / 8);
    s.dataOffset = std::size_t(headerSize) + std::size_t(ncolors) * 12;
    if (s.dataOffset + std::size_t(bytesPerLine) * height > s.bytes.size()) {
        why = "the screen image is cut short";
        return false;
    }
    return true;
}

// One channel scaled to 0..255 from where its mask puts it.
int channel(std::uint32_t pixel, std::uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const std::uint32_t max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / max);
}

QRgb pixelAt(const Screen& s, int x, int y) {
    const unsigned char* p = &s.bytes[s.dataOffset + std::size_t(y) * std::size_t(s.bytesPerLine) +
                                      std::size_t(x) * std::size_t(s.bytesPerPixel)];
    std::uint32_t v = 0;
    for (int i = 0; i < s.bytesPerPixel; ++i) {
        const int at = s.msbFirst ? i : s.bytesPerPixel - 1 - i;
        v = v << 8 | p[at];
    }
    return qRgb(channel(v, s.masks[0]), channel(v, s.masks[1]), channel(v, s.masks[2]));
}

bool pair(const char* text, char sep, int& a, int& b) {
    char* end = nullptr;
    a = int(std::strtol(text, &end, 10));
    if (*end != sep) return false;
    b = int(std::strtol(end + 1, &end, 10));
    return *end == '\0';
}

bool alike(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

}  // namespace

int main(int argc, char** argv) {
    int x = 0, y = 0, w = 0, h = 0, rx = 0, ry = 0;
    if (argc < 7 || argc > 8 || !pair(argv[2], ',', x, y) || !pair(argv[3], 'x', w, h) ||
        !pair(argv[5], ',', rx, ry) || w <= 0 || h <= 0) {
        std::fprintf(stderr,
                     "usage: %s SCREEN X,Y WIDTHxHEIGHT REFERENCE.png RX,RY MIN_SHARE [SAVE.png]\n",
                     argv[0]);
        return 2;
    }
    char* end = nullptr;
    const double minShare = std::strtod(argv[6], &end);
    if (*end != '\0' || end == argv[6] || !(minShare >= 0 && minShare <= 1)) {
        std::fprintf(stderr, "MIN_SHARE must be a number from 0 to 1, not %s\n", argv[6]);
        return 2;
    }
    Screen screen;
    std::string why;
    if (!readScreen(argv[1], screen, why)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], why.c_str());
        return 2;
    }
    QImage reference;
    if (!reference.load(QString::fromLocal8Bit(argv[4]), "PNG")) {
        std::fprintf(stderr, "%s: not a PNG picture\n", argv[4]);
        return 2;
    }
    reference = reference.convertToFormat(QImage::Format_RGB32);
    if (x < 0 || y < 0 || w > screen.width - x || h > screen.height - y || rx < 0 || ry < 0 ||
        w > reference.width() - rx || h > reference.height() - ry) {
        std::fprintf(stderr, "the rectangle lies outside the screen or the reference\n");
        return 2;
    }
    QImage seen(w, h, QImage::Format_RGB32);
    long matching = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QRgb p = pixelAt(screen, x + i, y + j);
            seen.setPixel(i, j, p);
            matching += alike(p, reference.pixel(rx + i, ry + j));
        }
    if (argc == 8) seen.save(QString::fromLocal8Bit(argv[7]), "PNG");
    const double share = double(matching) / (double(w) * h);
    std::printf("%.4f of %dx%d at %d,%d match the reference\n", share, w, h, x, y);
    return share >= minShare ? 0 : 1;
}
