// A window of the model: its controls in creation order, its timers, its
// focus owner and its lifecycle (load, show, hide, unload).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/timer.h"

namespace plat {

class App;

class Form {
public:
    enum class Border { FixedDialog, FixedSingle, Sizable };

    Form(App& app, std::string name, Twips clientWidth, Twips clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    App& app() const { return *app_; }
    const std::string& name() const { return name_; }

    std::string caption;
    Colour back = kButtonFace;
    Picture picture;  // drawn unscaled from the client's top-left, under every control
    bool previewKeys = false;
    Border border = Border::FixedSingle;
    Twips clientWidth;
    Twips clientHeight;

    // Handlers a form may override.
    virtual void onLoad() {}
    virtual void onKeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void onKeyPress(int& /*ch*/) {}
    // The window manager's close button; by default the program ends.
    virtual void onClose();

    void show();
    void hide();
    void unload();
    // Asks for a repaint; never runs events.
    void refresh();

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    Focusable* owner() const { return owner_; }

    Control* find(std::string_view name, int index = -1) const;
    const std::vector<Control*>& controls() const { return order_; }
    std::vector<Timer*> timers() const;
    // Back to front, as drawn: in each container the lightweight controls
    // first, then the windowed ones; a frame's children right after it.
    std::vector<Control*> paintOrder() const;
    // The topmost shown control under a point that takes clicks (shapes
    // let clicks through), or nullptr.
    Control* hitTest(Twips x, Twips y) const;
    // Tab stops in tab order.
    std::vector<Focusable*> tabStops() const;

protected:
    template <class C, class... A>
    C& add(A&&... args) {
        auto c = std::make_unique<C>(*this, std::forward<A>(args)...);
        C& ref = *c;
        adopt(std::move(c));
        return ref;
    }
    Timer& addTimer(std::string name, Ms interval, bool enabled);

private:
    friend class App;
    friend class Focusable;
    void adopt(std::unique_ptr<Control> c);
    void appendChildren(const Frame* container, std::vector<Control*>& out) const;

    App* app_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool loaded_ = false;
    bool visible_ = false;
    Focusable* owner_ = nullptr;
    bool ownerByUser_ = false;  // the user, not the program, gave owner_ the focus
    // owner_ and ownerByUser_ as the last dispatch left them.
    Focusable* settledOwner_ = nullptr;
    bool settledByUser_ = false;
    int nextTabIndex_ = 0;
};

}  // namespace plat
