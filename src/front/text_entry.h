// Real text entry (caret, selection, paste, input methods) for a model text
// box: a line edit laid over it. Every key goes to the model first, and
// only what the model lets through reaches the line edit; whatever the line
// edit then holds (a paste too, stripped of control characters as typing
// is) is written back into the model's text.
#pragma once

#include <QObject>

#include "front/view.h"
#include "platform/controls.h"

class QLineEdit;

namespace kestrin::front {

class FrontApp;
class FormWindow;

class TextEntry : public QObject {
public:
    TextEntry(FormWindow& window, FrontApp& front, plat::TextBox& box);

    QLineEdit* editor() const { return edit_; }
    const plat::TextBox* box() const { return box_; }
    // Geometry, font, colours, visibility and text from the model.
    void sync(const View& view, bool formVisible);
    void focus();
    // A character the model let through while the key went to the window.
    void applyChar(int ch);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool ownsFocus() const;
    void forward(QEvent* e);
    void storeText();

    FormWindow& window_;
    FrontApp& front_;
    plat::TextBox* box_;
    QLineEdit* edit_;
};

}  // namespace kestrin::front
