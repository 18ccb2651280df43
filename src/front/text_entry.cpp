#include "front/text_entry.h"

#include <algorithm>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include "front/colours.h"
#include "front/fonts.h"
#include "front/form_window.h"
#include "front/front_app.h"
#include "front/key_map.h"

namespace kestrin::front {

namespace {

bool keeps(uint cp) { return plat::TextBox::keeps(static_cast<char32_t>(cp)); }

// Text that reaches the line edit by any other way than a key (a paste from
// the keys, the context menu or the selection's middle click, a drop, an
// undo) keeps only what typing could have put there: the control characters
// go, the caret stays after what it followed.
class TypedTextOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override {
        QString kept;
        kept.reserve(text.size());
        int caret = pos;
        // The controls are single UTF-16 units, never halves of a pair.
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (keeps(text[i].unicode()))
                kept += text[i];
            else if (i < pos)
                --caret;
        }
        text = kept;
        pos = caret;
        return Acceptable;
    }
};

}  // namespace

TextEntry::TextEntry(FormWindow& window, FrontApp& front, plat::TextBox& box)
    : QObject(&window), window_(window), front_(front), box_(&box), edit_(new QLineEdit(&window)) {
    edit_->setFrame(false);
    // Only the model gives it the focus (a click goes through the model's
    // focus rules first).
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->setAutoFillBackground(true);
    edit_->setContextMenuPolicy(Qt::DefaultContextMenu);
    edit_->setValidator(new TypedTextOnly(edit_));
    edit_->installEventFilter(this);
    edit_->hide();
    QObject::connect(edit_, &QLineEdit::textEdited, this, [this] { storeText(); });
}

bool TextEntry::ownsFocus() const {
    const plat::Form* f = window_.form();
    return f && front_.live(f) && box_->shown() && f->owner() == box_;
}

void TextEntry::storeText() {
    if (!window_.form() || !front_.live(window_.form())) return;
    box_->text = edit_->text().toStdString();
}

void TextEntry::sync(const View& view, bool formVisible) {
    const bool show = formVisible && box_->shown();
    if (show) {
        // Inside the two-pixel sunken edge the renderer draws.
        const double edge = 2 * view.scale;
        const QRectF r = view.rectOf(*box_).adjusted(edge, edge, -edge, -edge);
        edit_->setGeometry(r.toAlignedRect());
        const QFont font = qtFont(box_->font, view.scale);
        if (edit_->font() != font) edit_->setFont(font);
        const QColor back = toQColor(box_->back), fore = toQColor(box_->fore);
        QPalette pal = edit_->palette();
        if (pal.color(QPalette::Base) != back || pal.color(QPalette::Text) != fore) {
            pal.setColor(QPalette::Base, back);
            pal.setColor(QPalette::Window, back);
            pal.setColor(QPalette::Text, fore);
            edit_->setPalette(pal);
        }
    }
    const QString text = QString::fromStdString(box_->text);
    if (edit_->text() != text) edit_->setText(text);
    edit_->setVisible(show);
}

void TextEntry::focus() {
    if (edit_->isVisible() && !edit_->hasFocus()) edit_->setFocus(Qt::OtherFocusReason);
}

void TextEntry::applyChar(int ch) {
    if (!ownsFocus()) return;
    if (ch == 8) {
        edit_->backspace();
    } else if (keeps(static_cast<uint>(ch))) {
        const char32_t c = static_cast<char32_t>(ch);
        edit_->insert(QString::fromUcs4(&c, 1));
    } else {
        return;
    }
    storeText();
}

void TextEntry::forward(QEvent* e) {
    // Straight to the line edit: an event it ignores must not bubble up to
    // the window, which would hand the key to the model a second time.
    static_cast<QObject*>(edit_)->event(e);
    if (edit_->text() != QString::fromStdString(box_->text)) storeText();
}

bool TextEntry::eventFilter(QObject* watched, QEvent* e) {
    if (watched != edit_) return false;
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        const KeyInput in = mapKey(*ke);
        plat::Form* f = window_.form();
        if (!f) return true;
        const plat::App::KeyOutcome out = front_.key(*f, in.code, in.shift, in.ch);
        if (in.code == 9 || !ownsFocus()) return true;
        if (in.ch == 0) {
            forward(e);  // caret keys and the like: the model has no say
        } else if (out.insert) {
            if (out.ch == in.ch)
                forward(e);  // also Backspace and the editing shortcuts
            else
                applyChar(out.ch);  // the handler changed the character
        }
        return true;
    }
    case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(e);
        if (im->commitString().isEmpty()) return false;  // composing: the line edit shows it
        plat::Form* f = window_.form();
        if (!f) return true;
        QString allowed;
        for (const uint cp : im->commitString().toUcs4()) {
            const auto out = front_.key(*f, 0, 0, static_cast<int>(cp));
            if (!ownsFocus()) return true;
            if (out.insert && keeps(static_cast<uint>(out.ch))) {
                const char32_t c = static_cast<char32_t>(out.ch);
                allowed += QString::fromUcs4(&c, 1);
            }
        }
        QInputMethodEvent filtered(im->preeditString(), im->attributes());
        filtered.setCommitString(allowed, im->replacementStart(), im->replacementLength());
        forward(&filtered);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) return false;
        plat::Form* f = window_.form();
        if (!f) return true;
        front_.click(*f, *box_);
        // The caret goes where the user clicked only if the box took the focus.
        return !ownsFocus();
    }
    default: return false;
    }
}

}  // namespace kestrin::front
