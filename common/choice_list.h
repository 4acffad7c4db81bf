#pragma once
// Choices as a sentence names them: "A, B or C".

#include <string>
#include <string_view>

namespace loopbeam {

template <class Items, class TextOf>
std::string choiceList(const Items& items, TextOf textOf) {
    std::string out;
    std::size_t i = 0;
    for (const auto& item : items) {
        if (i > 0) out += i + 1 == std::size(items) ? " or " : ", ";
        out += std::string_view(textOf(item));
        ++i;
    }
    return out;
}

}  // namespace loopbeam
