#include "front/key_map.h"

#include <QKeyEvent>

namespace kestrin::front {
namespace {

// Shifted characters of a US keyboard give the virtual key of the key cap.
std::int16_t shiftedKey(int k) {
    switch (k) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

std::int16_t keypadKey(int k) {
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::int16_t(96 + (k - Qt::Key_0));
    switch (k) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

}  // namespace

std::int16_t virtualKey(int k, bool keypad) {
    if (keypad)
        if (std::int16_t code = keypadKey(k)) return code;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::int16_t('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::int16_t('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return std::int16_t(112 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: case Qt::Key_AltGr: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Print: return 44;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Menu: return 93;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return shiftedKey(k);
    }
}

std::int16_t shiftMask(Qt::KeyboardModifiers m) {
    std::int16_t mask = 0;
    if (m & Qt::ShiftModifier) mask |= 1;
    if (m & Qt::ControlModifier) mask |= 2;
    if (m & Qt::AltModifier) mask |= 4;
    return mask;
}

int typedChar(const QString& text) {
    if (text.isEmpty()) return 0;
    const QList<uint> cps = text.toUcs4();
    if (cps.isEmpty()) return 0;
    const uint c = cps.front();
    // Delete types nothing on the desktop we follow; neither do the C1
    // controls or private-use codes some keyboards send for function keys.
    if (c == 0x7F || (c >= 0x80 && c < 0xA0) || (c >= 0xF700 && c <= 0xF8FF)) return 0;
    return static_cast<int>(c);
}

KeyInput mapKey(const QKeyEvent& e) {
    KeyInput in;
    in.code = virtualKey(e.key(), (e.modifiers() & Qt::KeypadModifier) != 0);
    in.shift = shiftMask(e.modifiers());
    if (e.key() == Qt::Key_Backtab) in.shift |= 1;
    in.ch = typedChar(e.text());
    switch (in.code) {
    case 8: case 13: case 27: in.ch = in.code; break;  // whatever the platform's text says
    case 9: in.ch = 0; break;  // Tab moves the focus in the model, never types
    default: break;
    }
    // Alt with a letter is a menu key on the desktop we follow, not typing.
    if ((in.shift & 4) && !(in.shift & 2)) in.ch = 0;
    return in;
}

}  // namespace kestrin::front
