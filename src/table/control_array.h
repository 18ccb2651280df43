// Controls reached by number: a control array such as the chips, or one
// control per seat.
#pragma once

#include <array>
#include <cstddef>

namespace kestrin {

template <class C, std::size_t N>
class ControlArray {
public:
    C& operator[](int i) const { return *items_.at(static_cast<std::size_t>(i)); }
    void set(int i, C& c) { items_.at(static_cast<std::size_t>(i)) = &c; }

private:
    std::array<C*, N> items_{};
};

// One control per seat, reached by seat number 1 to 10.
template <class C>
using SeatControls = ControlArray<C, 11>;

}  // namespace kestrin
