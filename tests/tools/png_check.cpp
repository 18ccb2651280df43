// Checks that pictures are drawn: each PNG loads and shows at least
// MIN distinct colours (a blank or single-colour picture has one or two).
//   kestrin_png_check MIN FILE...
#include <cstdio>
#include <cstdlib>
#include <unordered_set>

#include <QImage>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MIN_COLOURS FILE...\n", argv[0]);
        return 2;
    }
    const int minColours = std::atoi(argv[1]);
    int bad = 0;
    for (int i = 2; i < argc; ++i) {
        QImage image;
        if (!image.load(QString::fromLocal8Bit(argv[i]), "PNG")) {
            std::fprintf(stderr, "%s: not a PNG picture\n", argv[i]);
            ++bad;
            continue;
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        std::unordered_set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            colours.insert(line, line + image.width());
        }
        const bool drawn = int(colours.size()) >= minColours;
        std::printf("%s: %dx%d, %zu colours%s\n", argv[i], image.width(), image.height(),
                    colours.size(), drawn ? "" : " -- blank");
        bad += !drawn;
    }
    return bad ? 1 : 0;
}
