#include "front/text_block.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>

#include "front/fonts.h"

namespace kestrin::front {
namespace {

// Captions change a few times a hand; a table shows about fifty texts.
constexpr qsizetype kCacheLimit = 2048;
constexpr double kSlack = 1e-6;

QString cacheKey(const QString& text, const plat::Font& font, double wrapWidth) {
    return QString::fromStdString(font.family) + QLatin1Char('|') + QString::number(font.points, 'g', 17) +
           QLatin1Char(font.bold ? 'b' : 'r') + QString::number(wrapWidth, 'g', 17) + QLatin1Char('|') + text;
}

}  // namespace

std::shared_ptr<const TextBlock> TextBlock::layOut(const QString& text, const plat::Font& font,
                                                   double wrapWidth) {
    static QHash<QString, std::shared_ptr<const TextBlock>> cache;
    if (wrapWidth < 0) wrapWidth = -1;
    const QString key = cacheKey(text, font, wrapWidth);
    if (auto it = cache.constFind(key); it != cache.cend()) return it.value();

    auto block = std::make_shared<TextBlock>();
    const QFont f = designFont(font);
    // Line breaks of the text are lines of the block, as QPainter takes them.
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, f);
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(Qt::LeftToRight);
    option.setUseDesignMetrics(true);
    option.setWrapMode(wrapWidth >= 0 ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const double leading = QFontMetricsF(f).leading();
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth >= 0 ? wrapWidth : 1e6);
        if (line.lineNumber() > 0) y += leading;
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        Line out;
        out.width = line.naturalTextWidth();
        out.runs = line.glyphRuns();
        block->width_ = std::max(block->width_, out.width);
        block->lines_.push_back(std::move(out));
    }
    block->height_ = y;

    if (cache.size() >= kCacheLimit) cache.clear();
    cache.insert(key, block);
    return block;
}

double TextBlock::lineLeft(const Line& line, double areaWidth, Qt::Alignment align) {
    if (align & Qt::AlignRight) return areaWidth - line.width;
    if (align & Qt::AlignHCenter) return (areaWidth - line.width) / 2;
    return 0;
}

bool TextBlock::fits(double areaWidth, double areaHeight, Qt::Alignment align) const {
    if (height_ > areaHeight + kSlack) return false;
    for (const Line& line : lines_) {
        const double left = lineLeft(line, areaWidth, align);
        if (left < -kSlack || left + line.width > areaWidth + kSlack) return false;
    }
    return true;
}

void TextBlock::draw(QPainter& p, QPointF topLeft, double areaWidth, double scale, Qt::Alignment align) const {
    const QTransform before = p.worldTransform();
    p.translate(topLeft);
    p.scale(scale, scale);
    for (const Line& line : lines_) {
        const QPointF at(lineLeft(line, areaWidth, align), 0);
        for (const QGlyphRun& run : line.runs) p.drawGlyphRun(at, run);
    }
    p.setWorldTransform(before);
}

}  // namespace kestrin::front
