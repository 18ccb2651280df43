// Qt keys become the desktop's key codes, shift mask and typed character.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "front/key_map.h"

using kestrin::front::KeyInput;
using kestrin::front::mapKey;

namespace {

KeyInput press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    const QKeyEvent e(QEvent::KeyPress, key, mods, text);
    return mapKey(e);
}

void expectKey(const KeyInput& in, int code, int shift, int ch) {
    EXPECT_EQ(in.code, code);
    EXPECT_EQ(in.shift, shift);
    EXPECT_EQ(in.ch, ch);
}

}  // namespace

TEST(KeyMap, FunctionKeysTypeNothing) {
    expectKey(press(Qt::Key_F9), 120, 0, 0);
    expectKey(press(Qt::Key_F10), 121, 0, 0);
    expectKey(press(Qt::Key_F1), 112, 0, 0);
    expectKey(press(Qt::Key_F12, Qt::ShiftModifier), 123, 1, 0);
}

TEST(KeyMap, EnterTabSpaceAndBackspace) {
    expectKey(press(Qt::Key_Return, Qt::NoModifier, "\r"), 13, 0, 13);
    // Keypad Enter, and an Enter whose platform gave no text, still type 13.
    expectKey(press(Qt::Key_Enter, Qt::KeypadModifier), 13, 0, 13);
    expectKey(press(Qt::Key_Tab, Qt::NoModifier, "\t"), 9, 0, 0);
    expectKey(press(Qt::Key_Backtab, Qt::ShiftModifier), 9, 1, 0);
    expectKey(press(Qt::Key_Space, Qt::NoModifier, " "), 32, 0, 32);
    expectKey(press(Qt::Key_Backspace, Qt::NoModifier, "\b"), 8, 0, 8);
    expectKey(press(Qt::Key_Escape, Qt::NoModifier, "\x1b"), 27, 0, 27);
}

TEST(KeyMap, CharactersAndKeysWithoutOne) {
    expectKey(press(Qt::Key_A, Qt::ShiftModifier, "A"), 65, 1, 'A');
    expectKey(press(Qt::Key_7, Qt::NoModifier, "7"), 55, 0, '7');
    expectKey(press(Qt::Key_Ampersand, Qt::ShiftModifier, "&"), 55, 1, '&');
    expectKey(press(Qt::Key_C, Qt::ControlModifier, "\x03"), 67, 2, 3);
    expectKey(press(Qt::Key_Left), 37, 0, 0);
    expectKey(press(Qt::Key_Delete, Qt::NoModifier, "\x7f"), 46, 0, 0);
    expectKey(press(Qt::Key_X, Qt::AltModifier, "x"), 88, 4, 0);
    expectKey(press(Qt::Key_5, Qt::KeypadModifier, "5"), 101, 0, '5');
    expectKey(press(Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é")), 0, 0, 0xE9);
    // A character outside the basic plane arrives whole, not as a surrogate.
    expectKey(press(0, Qt::NoModifier, QString::fromUtf8("😀")), 0, 0, 0x1F600);
}
