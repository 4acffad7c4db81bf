#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/report.h"
#include "common/utf8.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    return nec::shortestText(value);
}

std::string numbersJson(const std::vector<double>& values) {
    std::string out;
    for (const double value : values) out += (out.empty() ? "" : ", ") + jsonNumber(value);
    return "[" + out + "]";
}

}  // namespace loopbeam::cli
