// Plays the game headless on the model clock through a script of steps and
// saves pictures of its windows, as a user would see them.
//
//   kestrin_snapshot [seed=N] STEP...
//     shot:FORM:PATH[:SCALE]     save FORM's client area as PNG (SCALE 1 = layout size)
//     run:MS                     let MS milliseconds of model time pass
//     waitfor:FORM[:MS]          run until FORM is loaded and visible (at most MS, default 600000)
//     click:FORM:NAME[:INDEX]    click a control by name (INDEX for control arrays)
//     clickat:FORM:X:Y           click at a point in twips
//     type:FORM:TEXT             type TEXT (\r Enter, \t Tab, \b Backspace, \\ backslash)
//     key:FORM:CODE[:SHIFT[:CH]] press a key by virtual-key code (121 = F10)
//     close:FORM                 the window's close button
//     forms                      list the loaded forms
//     controls:FORM              list FORM's shown controls
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "front/snapshot.h"
#include "platform/app.h"
#include "platform/random.h"
#include "startup/splash.h"

namespace {

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = s.find(':', start);
        out.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return out;
        start = at + 1;
    }
}

std::string joinFrom(const std::vector<std::string>& parts, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < parts.size(); ++i) out += (i > from ? ":" : "") + parts[i];
    return out;
}

std::optional<long long> number(const std::string& s) {
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return v;
}

std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        switch (s[++i]) {
        case 'r': case 'n': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'b': out += '\b'; break;
        default: out += s[i]; break;
        }
    }
    return out;
}

const char* kindName(plat::ControlKind k) {
    switch (k) {
    case plat::ControlKind::Label: return "Label";
    case plat::ControlKind::CommandButton: return "CommandButton";
    case plat::ControlKind::TextBox: return "TextBox";
    case plat::ControlKind::PictureBox: return "PictureBox";
    case plat::ControlKind::Image: return "Image";
    case plat::ControlKind::Shape: return "Shape";
    case plat::ControlKind::Frame: return "Frame";
    }
    return "?";
}

class Script {
public:
    explicit Script(std::uint64_t seed) : app_(std::make_unique<plat::MixRandom>(seed), false) {
        app_.start<kestrin::frmSplash>();
    }

    // 0 when the step ran; otherwise the exit code, after saying why.
    int run(const std::string& step) {
        const auto p = split(step);
        const std::string& verb = p[0];
        if (verb == "forms") return listForms();
        if (verb == "run" && p.size() == 2) {
            const auto ms = number(p[1]);
            if (!ms || *ms < 0) return bad(step);
            app_.advanceTo(app_.now() + *ms);
            return 0;
        }
        if (p.size() < 2) return bad(step);
        if (verb == "waitfor") return waitFor(p[1], p.size() > 2 ? number(p[2]) : 600000, step);
        plat::Form* form = find(p[1]);
        if (!form) return missing(p[1], step);
        if (verb == "shot" && p.size() >= 3) {
            double scale = 1.0;
            std::string path = joinFrom(p, 2);
            if (p.size() >= 4) {
                char* end = nullptr;
                const double s = std::strtod(p.back().c_str(), &end);
                if (*end == '\0' && s > 0) {
                    scale = s;
                    path = joinFrom({p.begin(), p.end() - 1}, 2);
                }
            }
            if (!kestrin::front::renderToImage(*form, scale).save(QString::fromStdString(path), "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            return 0;
        }
        if (verb == "click" && (p.size() == 3 || p.size() == 4)) {
            const auto index = p.size() == 4 ? number(p[3]) : std::optional<long long>(-1);
            if (!index) return bad(step);
            plat::Control* c = form->find(p[2], int(*index));
            if (!c) {
                std::fprintf(stderr, "%s: no control %s on %s\n", step.c_str(), p[2].c_str(), p[1].c_str());
                return 3;
            }
            if (!app_.click(*c)) std::fprintf(stderr, "%s: not clickable now\n", step.c_str());
            return 0;
        }
        if (verb == "clickat" && p.size() == 4) {
            const auto x = number(p[2]), y = number(p[3]);
            if (!x || !y) return bad(step);
            app_.clickAt(*form, plat::Twips(*x), plat::Twips(*y));
            return 0;
        }
        if (verb == "type" && p.size() >= 3) {
            app_.type(*form, unescape(joinFrom(p, 2)));
            return 0;
        }
        if (verb == "key" && p.size() >= 3 && p.size() <= 5) {
            const auto code = number(p[2]);
            const auto shift = p.size() > 3 ? number(p[3]) : std::optional<long long>(0);
            const auto ch = p.size() > 4 ? number(p[4]) : std::optional<long long>(0);
            if (!code || !shift || !ch) return bad(step);
            app_.key(*form, std::int16_t(*code), std::int16_t(*shift), int(*ch));
            return 0;
        }
        if (verb == "close" && p.size() == 2) {
            app_.close(*form);
            return 0;
        }
        if (verb == "controls" && p.size() == 2) return listControls(*form);
        return bad(step);
    }

    void report() {
        for (const std::string& d : app_.diagnostics()) std::fprintf(stderr, "diagnostic: %s\n", d.c_str());
        if (app_.ended()) std::printf("the program has ended\n");
    }

private:
    plat::Form* find(const std::string& name) const {
        for (plat::Form* f : app_.forms())
            if (f->name() == name) return f;
        return nullptr;
    }
    int bad(const std::string& step) {
        std::fprintf(stderr, "cannot read step \"%s\"\n", step.c_str());
        return 2;
    }
    int missing(const std::string& name, const std::string& step) {
        std::fprintf(stderr, "%s: form %s is not loaded%s\n", step.c_str(), name.c_str(),
                     app_.ended() ? " (the program has ended)" : "");
        return 3;
    }
    int waitFor(const std::string& name, std::optional<long long> limit, const std::string& step) {
        if (!limit || *limit < 0) return bad(step);
        const plat::Ms until = app_.now() + *limit;
        auto ready = [&] {
            const plat::Form* f = find(name);
            return f && f->visible();
        };
        while (!ready()) {
            const auto due = app_.nextDue();
            if (!due || *due > until) break;
            app_.advanceTo(*due);
        }
        return ready() ? 0 : missing(name, step);
    }
    int listForms() {
        for (plat::Form* f : app_.forms())
            std::printf("%s %s \"%s\"\n", f->name().c_str(), f->visible() ? "visible" : "hidden",
                        f->caption.c_str());
        return 0;
    }
    int listControls(const plat::Form& form) {
        for (const plat::Control* c : form.paintOrder()) {
            if (!c->shown()) continue;
            std::printf("%-14s %s", kindName(c->kind()), c->name().c_str());
            if (c->index() >= 0) std::printf("(%d)", c->index());
            std::printf(" %d,%d %dx%d", c->absLeft(), c->absTop(), c->width, c->height);
            if (c->kind() == plat::ControlKind::Label)
                std::printf(" \"%s\"", static_cast<const plat::Label*>(c)->caption.c_str());
            if (c->kind() == plat::ControlKind::CommandButton)
                std::printf(" \"%s\"", static_cast<const plat::CommandButton*>(c)->caption.c_str());
            if (c->kind() == plat::ControlKind::TextBox)
                std::printf(" \"%s\"", static_cast<const plat::TextBox*>(c)->text.c_str());
            if (form.owner() == c) std::printf(" [focus]");
            std::printf("\n");
        }
        return 0;
    }

    plat::App app_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QGuiApplication qapp(qargc, argv);

    std::uint64_t seed = 1;
    std::vector<std::string> steps;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("seed=", 0) == 0) {
            const auto s = number(arg.substr(5));
            if (!s) {
                std::fprintf(stderr, "cannot read %s\n", arg.c_str());
                return 2;
            }
            seed = static_cast<std::uint64_t>(*s);
        } else {
            steps.push_back(arg);
        }
    }
    Script script(seed);
    for (const std::string& step : steps) {
        if (const int rc = script.run(step)) {
            script.report();
            return rc;
        }
    }
    script.report();
    return 0;
}
