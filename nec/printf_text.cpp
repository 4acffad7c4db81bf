#include "nec/printf_text.h"

#include <locale.h>

#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace loopbeam::nec {

namespace {

// Made once and never freed: every thread formats under it for the life of the process.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

// The calling thread formats under C while it lives, whatever the process's
// locale; the thread's own locale comes back after.
class CFormatting {
public:
    CFormatting() : previous_(uselocale(cLocale())) {}
    ~CFormatting() { uselocale(previous_); }
    CFormatting(const CFormatting&) = delete;
    CFormatting& operator=(const CFormatting&) = delete;

private:
    locale_t previous_;
};

}  // namespace

std::string printfText(const char* format, ...) {
    const CFormatting c;
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string shortestText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string countText(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace loopbeam::nec
