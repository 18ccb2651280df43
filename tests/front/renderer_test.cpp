// What the renderer draws: literal captions, long and mixed text, clipping,
// shapes and picture cells.
#include <gtest/gtest.h>

#include <string>

#include <QFontMetricsF>
#include <QPainter>

#include "front/art_cache.h"
#include "front/fonts.h"
#include "front/snapshot.h"
#include "platform/app.h"

using namespace plat;
using kestrin::front::renderToImage;

namespace {

// 40 x 20 logical pixels of white with one black-on-white label across it.
class LabelForm : public Form {
public:
    explicit LabelForm(App& app) : Form(app, "labels", 4800, 2400) {
        back = kWhite;
        label.fore = 0x000000;
        label.wordWrap = false;
    }
    Label& label = add<Label>("label", 120, 120, 3600, 600);
};

// The columns that hold any dark pixel.
std::pair<int, int> inkColumns(const QImage& img) {
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

bool anyInk(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return true;
    return false;
}

struct RenderTest : ::testing::Test {
    App app;
    LabelForm& form = app.form<LabelForm>();

    QImage draw(const std::string& caption) {
        form.label.caption = caption;
        return renderToImage(form, 1.0);
    }
};

}  // namespace

TEST_F(RenderTest, CaptionsAreDrawnLiterally) {
    // Mnemonic processing would make these two draw alike.
    EXPECT_NE(draw("A&&B"), draw("A&B"));
    EXPECT_NE(draw("&x"), draw("x"));
    // Rich text would draw a bold "x" only; the ink spans the whole literal text.
    const std::string text = "A&&B <b>x</b>";
    const QImage img = draw(text);
    const QFontMetricsF fm(kestrin::front::qtFont(form.label.font, 1.0));
    const double advance = fm.horizontalAdvance(QString::fromStdString(text));
    const auto [first, last] = inkColumns(img);
    EXPECT_NEAR(first, 10, 2);
    EXPECT_NEAR(last - first, advance, 3);
}

TEST_F(RenderTest, HugeMixedCaptionStaysInsideItsLabel) {
    std::string caption;
    const std::string words[] = {"poker ", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D ",  // Hebrew
                                 "\xF0\x9F\x82\xA1\xF0\x9F\x98\x80 ", "&&chips ", "\r\n"};
    for (int i = 0; caption.size() < 10000; ++i) caption += words[i % 5];
    form.label.wordWrap = true;
    const QImage img = draw(caption);
    EXPECT_TRUE(anyInk(img, QRect(10, 10, 300, 50)));
    // Clipped at its edges: the 10 px margin around the label stays white.
    EXPECT_FALSE(anyInk(img, QRect(0, 61, 400, 139)));
    EXPECT_FALSE(anyInk(img, QRect(311, 0, 89, 200)));
}

TEST_F(RenderTest, AutoSizeLabelGrowsToTheRight) {
    form.label.autoSize = true;
    form.label.width = 120;  // far narrower than its text
    const QImage img = draw(std::string(2000, 'W'));
    EXPECT_TRUE(anyInk(img, QRect(350, 10, 40, 20)));
}

TEST(Render, FrameClipsItsChildren) {
    class Framed : public Form {
    public:
        explicit Framed(App& app) : Form(app, "framed", 2400, 2400) {
            back = kWhite;
            frame.back = kWhite;
            spill.parent = &frame;
            spill.fill = Shape::Fill::Solid;
            spill.border = false;
        }
        Frame& frame = add<Frame>("frame", 600, 600, 1200, 1200);
        Shape& spill = add<Shape>("spill", -600, -600, 2400, 2400);
    };
    App app;
    const QImage img = renderToImage(app.form<Framed>(), 1.0);
    EXPECT_TRUE(anyInk(img, QRect(50, 50, 100, 100)));
    EXPECT_FALSE(anyInk(img, QRect(0, 0, 200, 50)));
    EXPECT_FALSE(anyInk(img, QRect(0, 150, 200, 50)));
}

TEST(Render, CircleTakesTheShorterSideAndIsCentred) {
    class Round : public Form {
    public:
        explicit Round(App& app) : Form(app, "round", 2400, 1200) {
            back = kWhite;
            circle.shape = Shape::Kind::Circle;
            circle.fill = Shape::Fill::Solid;
        }
        Shape& circle = add<Shape>("circle", 0, 0, 2400, 1200);
    };
    App app;
    const QImage img = renderToImage(app.form<Round>(), 1.0);
    EXPECT_LT(qGray(img.pixel(100, 50)), 128);
    EXPECT_EQ(img.pixel(20, 50), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(180, 50), qRgb(255, 255, 255));
}

TEST(Render, PicturesShowTheirCellAndAreCutAtTheBox) {
    class Cards : public Form {
    public:
        explicit Cards(App& app) : Form(app, "cards", 2400, 1200) {
            PictureClip clip(4, 18);
            clip.setPicture(loadResource(101));
            card.picture = clip.cell(53);
            picture = loadResource(103);
        }
        PictureBox& card = add<PictureBox>("card", 120, 120, 516, 708);  // 43 x 59 px
    };
    App app;
    Cards& form = app.form<Cards>();
    const QImage img = renderToImage(form, 1.0);
    const QImage sheet = kestrin::front::ArtCache::instance().pixmap(loadResource(101)).toImage();
    const QImage room = kestrin::front::ArtCache::instance().pixmap(loadResource(103)).toImage();
    ASSERT_FALSE(sheet.isNull());
    ASSERT_FALSE(room.isNull());
    // Cell 53 is column 17 of row 2: its pixels from (680, 112).
    for (int y = 0; y < 56; y += 5)
        for (int x = 0; x < 40; x += 3)
            ASSERT_EQ(img.pixel(10 + x, 10 + y), sheet.pixel(680 + x, 112 + y)) << x << "," << y;
    // Past the cell, the box's back colour; the room shows unscaled around it.
    EXPECT_EQ(img.pixel(10 + 41, 10 + 57), qRgb(224, 224, 224));
    EXPECT_EQ(img.pixel(150, 5), room.pixel(150, 5));
    EXPECT_EQ(img.pixel(199, 99), room.pixel(199, 99));
}

// Large text stays drawn on an enlarged or high-density window: the splash
// title (32.4 pt) at twice the size.
TEST(Render, LargeTitlesAreDrawnAtEveryScale) {
    App app;
    app.start<LabelForm>();
    auto& form = app.form<LabelForm>();
    form.label.caption = "KESTRIN HOLDEM";
    form.label.font = {"Arial", 32.4, true};
    form.label.width = 6072;
    form.label.height = 756;
    for (double scale : {1.0, 2.0, 3.0}) {
        const QImage img = renderToImage(form, scale);
        const auto [first, last] = inkColumns(img);
        EXPECT_GE(first, 0) << "scale " << scale;
        EXPECT_GT(last - first, img.width() / 2) << "scale " << scale;
    }
}
