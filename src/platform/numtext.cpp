#include "platform/numtext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace plat {

std::string numText(std::int64_t n) {
    std::string text = std::to_string(n);
    if (n >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string plainText(double v) {
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15)
        return std::to_string(static_cast<std::int64_t>(v));
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scans one number from s at i (blanks skipped when skipBlanks) into a
// normalised text for from_chars. Returns false when no digit was read.
struct Scan {
    std::string text;
    bool negative = false;
    std::size_t end = 0;
};

bool scanNumber(std::string_view s, std::size_t i, bool skipBlanks, Scan& out) {
    auto skip = [&] {
        while (skipBlanks && i < s.size() && isBlank(s[i])) ++i;
    };
    skip();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out.negative = s[i] == '-';
        ++i;
    }
    bool digits = false, point = false;
    for (;;) {
        skip();
        if (i >= s.size()) break;
        if (isDigit(s[i])) {
            out.text += s[i++];
            digits = true;
        } else if (s[i] == '.' && !point) {
            out.text += s[i++];
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    out.end = i;
    // An exponent counts only when digits follow it.
    std::size_t j = i;
    auto skipJ = [&] {
        while (skipBlanks && j < s.size() && isBlank(s[j])) ++j;
    };
    skipJ();
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E' || s[j] == 'd' || s[j] == 'D')) {
        ++j;
        skipJ();
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigits = false;
        for (;;) {
            skipJ();
            if (j >= s.size() || !isDigit(s[j])) break;
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits) {
            out.text += exp;
            out.end = j;
        }
    }
    return true;
}

double toDouble(const Scan& sc) {
    double v = 0;
    const char* b = sc.text.data();
    const char* e = b + sc.text.size();
    auto r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large overflows to infinity; too small underflows to zero.
        const auto ePos = sc.text.find('e');
        const bool hugeExp = ePos != std::string::npos && sc.text[ePos + 1] != '-';
        v = hugeExp || ePos == std::string::npos ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sc.negative ? -v : v;
}

}  // namespace

double leadingNumber(std::string_view text) {
    Scan sc;
    if (!scanNumber(text, 0, true, sc)) return 0.0;
    return toDouble(sc);
}

bool isNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view core = text.substr(b, e - b);
    Scan sc;
    return scanNumber(core, 0, false, sc) && sc.end == core.size();
}

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

std::int32_t sat32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

std::int16_t sat16(std::int64_t v) {
    if (v > INT16_MAX) return INT16_MAX;
    if (v < INT16_MIN) return INT16_MIN;
    return static_cast<std::int16_t>(v);
}

int findText(std::string_view hay, std::string_view needle) {
    const auto p = hay.find(needle);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

}  // namespace plat
