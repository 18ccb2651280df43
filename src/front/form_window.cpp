#include "front/form_window.h"

#include <cmath>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "front/front_app.h"
#include "front/key_map.h"
#include "front/renderer.h"
#include "front/text_entry.h"

namespace kestrin::front {
namespace {

Qt::WindowFlags flagsFor(plat::Form::Border border) {
    Qt::WindowFlags f = Qt::Window;
    switch (border) {
    case plat::Form::Border::FixedDialog:
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case plat::Form::Border::FixedSingle:
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
             Qt::WindowMinimizeButtonHint;
        break;
    case plat::Form::Border::Sizable: break;
    }
    return f;
}

// The title bar's text. A window's title cannot be left empty: the platform
// puts the program's name in an empty title's place, so a form without a
// caption gets a single blank, which shows no title at all.
QString titleOf(const plat::Form& form) {
    const QString caption = QString::fromStdString(form.caption);
    return caption.isEmpty() ? QStringLiteral(" ") : caption;
}

}  // namespace

FormWindow::FormWindow(FrontApp& front, plat::Form& form)
    : QWidget(nullptr, flagsFor(form.border)), front_(front), form_(&form), name_(form.name()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys reach the window or its text boxes only as the model says; Qt's
    // own focus chain and click-to-focus stay out of it.
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(titleOf(form));
    clientSize_ = QSize(int(std::ceil(form.clientWidth / double(plat::kTwipsPerPixel))),
                        int(std::ceil(form.clientHeight / double(plat::kTwipsPerPixel))));
    clientSize_ = clientSize_.expandedTo(QSize(1, 1));
    if (form.border == plat::Form::Border::Sizable) {
        QSize start = clientSize_;
        if (QScreen* s = QGuiApplication::primaryScreen())
            start = clientSize_.scaled(clientSize_.boundedTo(s->availableGeometry().size() * 0.92),
                                       Qt::KeepAspectRatio);
        resize(start);
        setMinimumSize(clientSize_ / 4);
    } else {
        setFixedSize(clientSize_);
    }
    for (plat::Control* c : form.controls())
        if (c->kind() == plat::ControlKind::TextBox)
            entries_.push_back(new TextEntry(*this, front, static_cast<plat::TextBox&>(*c)));
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() {
    form_ = nullptr;
    pressing_ = false;
    pressed_ = nullptr;
}

View FormWindow::view() const {
    if (form_ && form_->border != plat::Form::Border::Sizable) {
        View v;
        v.dpr = devicePixelRatioF();
        return v;
    }
    const plat::Twips w = form_ ? form_->clientWidth : 1;
    const plat::Twips h = form_ ? form_->clientHeight : 1;
    return View::fit(w, h, QSizeF(size()), devicePixelRatioF());
}

TextEntry* FormWindow::entryFor(const plat::Control* control) const {
    for (TextEntry* e : entries_)
        if (e->box() == control) return e;
    return nullptr;
}

void FormWindow::syncEntries() {
    if (!form_) return;
    const View v = view();
    for (TextEntry* e : entries_) e->sync(v, form_->visible());
}

void FormWindow::syncFocus() {
    if (!form_ || !isVisible()) return;
    if (TextEntry* e = entryFor(form_->owner())) {
        if (e->editor()->isVisible()) {
            e->focus();
            return;
        }
    }
    if (focusWidget() != this || !hasFocus()) setFocus(Qt::OtherFocusReason);
}

void FormWindow::centreOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect r(QPoint(0, 0), size());
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

void FormWindow::syncFromModel() {
    if (!form_) return;
    const QString title = titleOf(*form_);
    if (windowTitle() != title) setWindowTitle(title);
    syncEntries();
    const bool want = form_->visible();
    if (want && !isVisible()) {
        if (!shownOnce_) centreOnScreen();
        shownOnce_ = true;
        show();
        raise();
        activateWindow();
    } else if (!want && isVisible()) {
        hide();
    }
    syncFocus();
    update();
}

bool FormWindow::toTwips(QPointF pos, plat::Twips& x, plat::Twips& y) const {
    if (!form_) return false;
    const QPointF t = view().toTwips(pos);
    if (t.x() < 0 || t.y() < 0 || t.x() >= form_->clientWidth || t.y() >= form_->clientHeight)
        return false;
    x = static_cast<plat::Twips>(std::floor(t.x()));
    y = static_cast<plat::Twips>(std::floor(t.y()));
    return true;
}

const plat::Control* FormWindow::controlAt(QPointF pos) const {
    plat::Twips x = 0, y = 0;
    if (!form_ || !toTwips(pos, x, y)) return nullptr;
    return form_->hitTest(x, y);
}

bool FormWindow::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::ShortcutOverride:
        // Every key is the model's: no shortcut, menu or mnemonic takes one.
        e->accept();
        return true;
    case QEvent::KeyPress:
        // Directly, so Tab and Shift+Tab never feed Qt's focus chain.
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    default: return QWidget::event(e);
    }
}

bool FormWindow::focusNextPrevChild(bool) { return false; }

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!form_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const View v = view();
    const QRectF client = v.rect(0, 0, form_->clientWidth, form_->clientHeight);
    // Bars around a letterboxed table.
    const QRectF all(rect());
    p.fillRect(QRectF(all.left(), all.top(), all.width(), client.top() - all.top()), Qt::black);
    p.fillRect(QRectF(all.left(), client.bottom(), all.width(), all.bottom() - client.bottom()),
               Qt::black);
    p.fillRect(QRectF(all.left(), client.top(), client.left() - all.left(), client.height()),
               Qt::black);
    p.fillRect(QRectF(client.right(), client.top(), all.right() - client.right(), client.height()),
               Qt::black);
    Renderer::paint(p, *form_, v);
    p.end();
    front_.notifyPainted();
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    syncEntries();
    update();
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressing_ = true;
    pressed_ = controlAt(e->position());
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressing_) return;
    pressing_ = false;
    plat::Twips x = 0, y = 0;
    // A click is a press and release over the same control, as with any
    // desktop button: sliding off before letting go cancels it.
    if (!form_ || !toTwips(e->position(), x, y) || form_->hitTest(x, y) != pressed_) return;
    front_.clickAt(*form_, x, y);
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    if (!form_) return;
    // A held Space clicks its button once, not once per repeat.
    if (e->isAutoRepeat() && e->key() == Qt::Key_Space) return;
    const KeyInput in = mapKey(*e);
    const plat::App::KeyOutcome out = front_.key(*form_, in.code, in.shift, in.ch);
    // The model let a character through to its text box while Qt's focus
    // was on the window: type it there.
    if (out.insert && form_ && front_.live(form_))
        if (TextEntry* entry = entryFor(form_->owner())) entry->applyChar(out.ch);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    // The window's own way out decides; Qt never closes it by itself.
    e->ignore();
    if (form_) front_.close(*form_);
}

}  // namespace kestrin::front
