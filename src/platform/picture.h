// Pictures are handles into the program's bitmap resources: the model never
// holds pixels, so the game runs headless and tests can say "shows cell 53".
#pragma once

namespace plat {

struct Picture {
    int res = 0;    // bitmap resource id; 0 = no picture
    int cell = -1;  // cell of a picture clip, or -1 for the whole bitmap
    int width = 0;  // size in pixels of the whole bitmap or of the cell
    int height = 0;
    int cols = 1;   // columns of the grid the cell was cut from

    bool empty() const { return res == 0; }
    bool operator==(const Picture&) const = default;
};

// The program's bitmaps: 101 the card sheet, 102 to 104 the rooms.
Picture loadResource(int id);

// Cuts a bitmap into a fixed grid of equal cells numbered row by row from 0.
class PictureClip {
public:
    PictureClip(int rows, int cols) : rows_(rows), cols_(cols) {}
    void setPicture(const Picture& p) { picture_ = p; }
    const Picture& picture() const { return picture_; }
    // An empty picture for a cell outside the grid or when no bitmap is held.
    Picture cell(int n) const;

private:
    int rows_;
    int cols_;
    Picture picture_;
};

}  // namespace plat
