// Text laid out once at the layout's own size (scale 1, logical pixels) and
// drawn at any scale under a scaled painter: the lines break where they
// break at scale 1 and the text grows exactly as its box does, so what fits
// a box at its designed size fits it at every size.
#pragma once

#include <memory>
#include <vector>

#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QString>

#include "platform/basics.h"

namespace kestrin::front {

class TextBlock {
public:
    struct Line {
        QList<QGlyphRun> runs;  // baselines placed, x from the line's start
        double width = 0;       // the line's text without trailing blanks
    };

    // `text` in `font` at scale 1. With a `wrapWidth` of 0 or more, lines
    // break at word boundaries to fit that many logical pixels (a word that
    // is longer stays whole); otherwise only at line breaks. Laid out once
    // per text and kept for the next paint.
    static std::shared_ptr<const TextBlock> layOut(const QString& text, const plat::Font& font,
                                                   double wrapWidth);

    const std::vector<Line>& lines() const { return lines_; }
    double width() const { return width_; }    // the widest line
    double height() const { return height_; }  // first line's top to last line's bottom

    // Where a line starts in an area `areaWidth` logical pixels wide.
    static double lineLeft(const Line& line, double areaWidth, Qt::Alignment align);
    // True when every line lies within an area of that many logical pixels.
    bool fits(double areaWidth, double areaHeight, Qt::Alignment align) const;
    // Draws the lines in the painter's pen, the area's top-left at
    // `topLeft` (painter units) and `scale` painter units per logical pixel.
    void draw(QPainter& p, QPointF topLeft, double areaWidth, double scale, Qt::Alignment align) const;

private:
    std::vector<Line> lines_;
    double width_ = 0;
    double height_ = 0;
};

}  // namespace kestrin::front
