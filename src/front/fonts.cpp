#include "front/fonts.h"

#include <algorithm>
#include <cmath>

namespace kestrin::front {
namespace {

constexpr double kLogicalDpi = 120.0;  // 12 twips per logical pixel
constexpr double kSmallFontsMinPx = 7.0;

bool sameName(const std::string& a, const char* b) {
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString mappedFamily(const std::string& family) {
    if (sameName(family, "Arial") || sameName(family, "MS Sans Serif") ||
        sameName(family, "Small Fonts") || family.empty())
        return QStringLiteral("Liberation Sans");
    if (sameName(family, "Times New Roman")) return QStringLiteral("Liberation Serif");
    if (sameName(family, "Courier New")) return QStringLiteral("Liberation Mono");
    return QString::fromStdString(family);
}

double logicalPixelSize(const plat::Font& font) {
    double px = font.points * kLogicalDpi / 72.0;
    // The bitmap "Small Fonts" stayed readable at tiny sizes; an outline
    // font below about 7 px does not.
    if (sameName(font.family, "Small Fonts")) px = std::max(px, kSmallFontsMinPx);
    return std::max(px, 1.0);
}

QFont qtFont(const plat::Font& font, double scale) {
    QFont f(mappedFamily(font.family));
    f.setStyleHint(QFont::SansSerif);
    // Rounded down: the layout was made for a font narrower than ours, and
    // half a pixel more is what pushes a heading past its label's edge.
    f.setPixelSize(std::max(1, static_cast<int>(std::floor(logicalPixelSize(font) * scale + 0.01))));
    f.setBold(font.bold);
    return f;
}

QFont designFont(const plat::Font& font) {
    QFont f = qtFont(font, 1.0);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace kestrin::front
