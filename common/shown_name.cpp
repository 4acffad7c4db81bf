#include "common/shown_name.h"

namespace loopbeam {
namespace {

// C0 controls and DEL; a C1 control (U+0080 to U+009F) is 0xC2 then 0x80 to 0x9F.
bool isControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

bool isC1At(std::string_view name, std::size_t i) {
    return static_cast<unsigned char>(name[i]) == 0xC2 && i + 1 < name.size() &&
           static_cast<unsigned char>(name[i + 1]) >= 0x80 && static_cast<unsigned char>(name[i + 1]) <= 0x9F;
}

void appendHex(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

}  // namespace

std::string shownFileName(std::string_view name) {
    bool plain = true;
    for (std::size_t i = 0; i < name.size() && plain; ++i)
        plain = !isControlByte(static_cast<unsigned char>(name[i])) && !isC1At(name, i);
    if (plain) return std::string(name);
    std::string out = "\"";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == '\n')
            out += "\\n";
        else if (byte == '\t')
            out += "\\t";
        else if (byte == '\r')
            out += "\\r";
        else if (byte == '"' || byte == '\\')
            out.append(1, '\\').append(1, static_cast<char>(byte));
        else if (isControlByte(byte))
            appendHex(out, byte);
        else if (isC1At(name, i)) {
            appendHex(out, byte);
            appendHex(out, static_cast<unsigned char>(name[++i]));
        } else
            out += static_cast<char>(byte);
    }
    return out + "\"";
}

}  // namespace loopbeam
