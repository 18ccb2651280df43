// The window of one model form: paints it through the renderer, scaled to
// fit, and hands mouse, keys and the close button to the model.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "front/view.h"
#include "platform/form.h"

namespace kestrin::front {

class FrontApp;
class TextEntry;

class FormWindow : public QWidget {
public:
    FormWindow(FrontApp& front, plat::Form& form);
    ~FormWindow() override;

    // Null once the form is unloaded; the window then only waits to go.
    plat::Form* form() const { return form_; }
    const std::string& formName() const { return name_; }
    void detach();

    // Title, visibility, text boxes and focus from the model, and a repaint.
    void syncFromModel();
    // Where the form's client area lies in this window now.
    View view() const;
    TextEntry* entryFor(const plat::Control* control) const;
    // The model position under a point of the window, or false outside the
    // client area.
    bool toTwips(QPointF pos, plat::Twips& x, plat::Twips& y) const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void syncEntries();
    void syncFocus();
    void centreOnScreen();
    const plat::Control* controlAt(QPointF pos) const;

    FrontApp& front_;
    plat::Form* form_;
    std::string name_;
    QSize clientSize_;
    bool shownOnce_ = false;
    std::vector<TextEntry*> entries_;
    bool pressing_ = false;
    const plat::Control* pressed_ = nullptr;
};

}  // namespace kestrin::front
