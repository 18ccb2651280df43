// The program's bitmaps, decoded from the embedded PNGs on first use and
// kept for the life of the process, with the cut-out cells of picture clips.
#pragma once

#include <map>
#include <tuple>

#include <QPixmap>

#include "platform/picture.h"

namespace kestrin::front {

class ArtCache {
public:
    static ArtCache& instance();

    // The pixels of a picture: the whole bitmap, or its cell. A null pixmap
    // for an empty picture or a resource that is missing or unreadable.
    const QPixmap& pixmap(const plat::Picture& picture);
    // The same pixels resampled once to `deviceScale` device pixels per
    // bitmap pixel, or to a given size, so that every paint after the first
    // is a plain copy rather than a resampling.
    const QPixmap& scaled(const plat::Picture& picture, double deviceScale);
    const QPixmap& resized(const plat::Picture& picture, QSize size, bool sharp);
    void clear();

private:
    using Key = std::tuple<int, int, int, int, int>;
    using SizedKey = std::tuple<Key, int, int, bool>;
    const QPixmap& bitmap(int res);

    // Node-based maps: references handed out stay valid as entries are added.
    std::map<int, QPixmap> bitmaps_;
    std::map<Key, QPixmap> cells_;
    // Resized copies; a window being dragged larger makes many sizes, so the
    // lot is dropped now and then rather than kept forever.
    std::map<SizedKey, QPixmap> resized_;
    QPixmap none_;
};

}  // namespace kestrin::front
