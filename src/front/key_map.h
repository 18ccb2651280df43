// Qt key events as the model's key codes: the desktop's virtual-key numbers
// (F10 = 121, Enter = 13 ...), a Shift/Ctrl/Alt mask and the typed character.
#pragma once

#include <cstdint>

#include <QString>

class QKeyEvent;

namespace kestrin::front {

struct KeyInput {
    std::int16_t code = 0;   // virtual-key code, 0 when there is none
    std::int16_t shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    int ch = 0;              // the character the key types, 0 for none
};

std::int16_t virtualKey(int qtKey, bool keypad);
std::int16_t shiftMask(Qt::KeyboardModifiers modifiers);
// The first character of a key's text; 0 for keys that type nothing.
int typedChar(const QString& text);
KeyInput mapKey(const QKeyEvent& event);

}  // namespace kestrin::front
