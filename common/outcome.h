#pragma once
// What a handler gives back: the texts of the boxes it writes, in the order it
// writes them, or a refusal carrying the message for the user.

#include <array>
#include <cstddef>
#include <expected>
#include <string>
#include <string_view>

#include "common/short_text.h"

namespace loopbeam {

struct BoxText {
    std::string_view box;  // the control's name
    ShortText text;
};

// A handler writes at most fourteen boxes; a fixed array of inline texts keeps
// a design free of allocations.
class BoxTexts {
public:
    static constexpr std::size_t kCapacity = 14;

    void add(std::string_view box, const ShortText& text) { items_[count_++] = {box, text}; }
    void add(std::string_view box, std::string_view text) { add(box, ShortText(text)); }
    std::size_t size() const { return count_; }
    const BoxText& operator[](std::size_t i) const { return items_[i]; }
    const BoxText* begin() const { return items_.data(); }
    const BoxText* end() const { return items_.data() + count_; }

    // The text last written to a box, or nullptr when this step did not write it.
    const ShortText* find(std::string_view box) const {
        for (std::size_t i = count_; i-- > 0;)
            if (items_[i].box == box) return &items_[i].text;
        return nullptr;
    }

private:
    std::array<BoxText, kCapacity> items_;  // only the first count_ are set
    std::size_t count_ = 0;
};

struct Refusal {
    std::string message;
};

template <class T>
using Outcome = std::expected<T, Refusal>;

inline std::unexpected<Refusal> refuse(std::string message) { return std::unexpected(Refusal{std::move(message)}); }

}  // namespace loopbeam
