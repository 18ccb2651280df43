// Labels, command buttons and text boxes: the controls that show text.
#include <algorithm>

#include <QFontMetricsF>

#include "front/colours.h"
#include "front/fonts.h"
#include "front/paint_parts.h"
#include "front/text_block.h"
#include "platform/form.h"

namespace kestrin::front::detail {
namespace {

// The caption as Qt should lay it out, character for character: line breaks
// become one break each, and the one character QPainter would take as an
// instruction (U+009C splits "length variants") is left out. No mnemonic
// flag is ever passed, so "&" stays an ampersand, and no markup is parsed.
QString literalText(const std::string& utf8) {
    QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.remove(QChar(0x9C));
    return s;
}

double logical(plat::Twips tw) { return double(tw) / plat::kTwipsPerPixel; }

Qt::Alignment horizontal(plat::Label::Align a) {
    switch (a) {
    case plat::Label::Align::Right: return Qt::AlignRight;
    case plat::Label::Align::Centre: return Qt::AlignHCenter;
    case plat::Label::Align::Left: break;
    }
    return Qt::AlignLeft;
}

void strip(QPainter& p, double x, double y, double w, double h, const QColor& c) {
    if (w > 0 && h > 0) p.fillRect(QRectF(x, y, w, h), c);
}

}  // namespace

void drawFrame(QPainter& p, const QRectF& r, double w, const QColor& c) {
    w = std::min({w, r.width() / 2, r.height() / 2});
    if (w <= 0) return;
    strip(p, r.left(), r.top(), r.width(), w, c);
    strip(p, r.left(), r.bottom() - w, r.width(), w, c);
    strip(p, r.left(), r.top() + w, w, r.height() - 2 * w, c);
    strip(p, r.right() - w, r.top() + w, w, r.height() - 2 * w, c);
}

void paintLabel(QPainter& p, const plat::Label& label, const View& v) {
    const QString text = literalText(label.caption);
    // A label that sizes itself to an empty caption has no size at all.
    if (label.autoSize && text.isEmpty()) return;
    const QRectF box = v.rectOf(label);
    const Qt::Alignment align = horizontal(label.align);
    const double s = v.scale;
    const double border = label.borderStyle == 1 ? v.length(1) : 0.0;
    // Inside the frame, when there is one, with a pixel to spare.
    const double inset = border > 0 ? 2.0 : 0.0;  // logical pixels
    const double width = logical(label.width) - 2 * inset;
    const double height = logical(label.height) - 2 * inset;
    std::shared_ptr<const TextBlock> block;
    if (!text.isEmpty()) block = TextBlock::layOut(text, label.font, label.wordWrap ? std::max(0.0, width) : -1);

    QRectF area = box;
    double areaWidth = width;
    if (label.autoSize) {
        // Grows to its text: down when it wraps at its width, otherwise to
        // the right as well. Never cut off on the right.
        areaWidth = std::max(width, block->width());
        area.setWidth(std::max(box.width(), v.snap((areaWidth + 2 * inset) * s + 0.5)));
        area.setHeight(std::max(box.height(), v.snap((block->height() + 2 * inset) * s + 0.5)));
    }
    if (label.opaque) p.fillRect(area, toQColor(label.back));
    if (block) {
        p.setPen(toQColor(label.fore));
        const QRectF inner = area.adjusted(inset * s, inset * s, -inset * s, -inset * s);
        // Text that fits the label at its designed size fits it at every
        // size: only text that overflows the design is cut at the edges.
        const bool cut = !label.autoSize && !block->fits(width, height, align);
        if (cut) {
            p.save();
            p.setClipRect(inner, Qt::IntersectClip);
        }
        block->draw(p, inner.topLeft(), areaWidth, s, align);
        if (cut) p.restore();
    }
    if (border > 0) drawFrame(p, area, border, QColor(0, 0, 0));
}

void paintButton(QPainter& p, const plat::CommandButton& button, const View& v) {
    const QRectF r = v.rectOf(button);
    if (r.isEmpty()) return;
    p.fillRect(r, toQColor(button.back));
    const double px = v.length(1);
    // Raised bevel: light top-left, dark bottom-right with a softer inner line.
    const QColor light(255, 255, 255), dark(0, 0, 0), shadow(128, 128, 128);
    strip(p, r.left(), r.top(), r.width() - px, px, light);
    strip(p, r.left(), r.top(), px, r.height() - px, light);
    strip(p, r.left(), r.bottom() - px, r.width(), px, dark);
    strip(p, r.right() - px, r.top(), px, r.height(), dark);
    strip(p, r.left() + px, r.bottom() - 2 * px, r.width() - 2 * px, px, shadow);
    strip(p, r.right() - 2 * px, r.top() + px, px, r.height() - 2 * px, shadow);

    const QRectF inner = r.adjusted(3 * px, 2 * px, -3 * px, -2 * px);
    const QString text = literalText(button.caption);
    if (!text.isEmpty() && !inner.isEmpty()) {
        // Centred both ways in the face inside the bevel.
        const double width = std::max(0.0, logical(button.width) - 6);
        const double height = logical(button.height) - 4;
        const auto block = TextBlock::layOut(text, button.font, width);
        const bool cut = !block->fits(width, height, Qt::AlignHCenter);
        if (cut) {
            p.save();
            p.setClipRect(inner, Qt::IntersectClip);
        }
        p.setPen(toQColor(button.fore));
        block->draw(p, QPointF(inner.left(), inner.top() + (height - block->height()) / 2 * v.scale), width,
                    v.scale, Qt::AlignHCenter);
        if (cut) p.restore();
    }
    if (button.form().owner() == &button) {
        QPen pen(toQColor(button.fore), px, Qt::DotLine);
        p.save();
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4 * px - px / 2, 4 * px - px / 2, -4 * px - px / 2, -4 * px - px / 2));
        p.restore();
    }
}

void paintTextBox(QPainter& p, const plat::TextBox& box, const View& v) {
    const QRectF r = v.rectOf(box);
    if (r.isEmpty()) return;
    p.fillRect(r, toQColor(box.back));
    const double px = v.length(1);
    // Sunken edge, two pixels deep.
    const QColor outerTop(160, 160, 160), innerTop(64, 64, 64);
    const QColor outerBottom(255, 255, 255), innerBottom(224, 224, 224);
    strip(p, r.left(), r.top(), r.width(), px, outerTop);
    strip(p, r.left(), r.top(), px, r.height(), outerTop);
    strip(p, r.left(), r.bottom() - px, r.width(), px, outerBottom);
    strip(p, r.right() - px, r.top(), px, r.height(), outerBottom);
    strip(p, r.left() + px, r.top() + px, r.width() - 2 * px, px, innerTop);
    strip(p, r.left() + px, r.top() + px, px, r.height() - 2 * px, innerTop);
    strip(p, r.left() + px, r.bottom() - 2 * px, r.width() - 2 * px, px, innerBottom);
    strip(p, r.right() - 2 * px, r.top() + px, px, r.height() - 2 * px, innerBottom);

    const QRectF inner = r.adjusted(3 * px, 2 * px, -3 * px, -2 * px);
    if (inner.isEmpty()) return;
    const QString text = QString::fromUtf8(box.text.data(), static_cast<qsizetype>(box.text.size()));
    const auto block = TextBlock::layOut(text, box.font, -1);
    const double s = v.scale;
    const QFontMetricsF fm(designFont(box.font));
    p.save();
    p.setClipRect(inner, Qt::IntersectClip);
    p.setPen(toQColor(box.fore));
    // One line, like the box; the end of the text stays in view, as it does
    // while typing.
    const double width = fm.horizontalAdvance(text) * s;
    const double left = std::min(inner.left(), inner.right() - px - width);
    const double top = inner.top() + std::max(0.0, (inner.height() - fm.height() * s) / 2);
    block->draw(p, QPointF(left, top), 0, s, Qt::AlignLeft);
    if (box.form().owner() == &box)
        p.fillRect(QRectF(v.snap(left + width), top, px, fm.height() * s), toQColor(box.fore));
    p.restore();
}

}  // namespace kestrin::front::detail
