#pragma once
// What a handler gives back: the texts of the boxes it writes, in the order it
// writes them, or a refusal saying why.

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "common/outcome.h"
#include "common/short_text.h"
#include "design/refusal.h"

namespace loopbeam {

// The text a handler gives one box; Box is the enum of the boxes of one window.
template <class Box>
struct BoxText {
    Box box;
    ShortText text;
};

// A handler writes at most fourteen boxes, held in a fixed array of inline texts.
template <class Box>
class BoxTexts {
public:
    static constexpr std::size_t kCapacity = 14;

    void add(Box box, const ShortText& text) { items_[count_++] = {box, text}; }
    void add(Box box, std::string_view text) { add(box, ShortText(text)); }
    std::size_t size() const { return count_; }
    const BoxText<Box>& operator[](std::size_t i) const { return items_[i]; }
    const BoxText<Box>* begin() const { return items_.data(); }
    const BoxText<Box>* end() const { return items_.data() + count_; }

    // The text last written to a box, or nullptr when this step did not write it.
    const ShortText* find(Box box) const {
        for (std::size_t i = count_; i-- > 0;)
            if (items_[i].box == box) return &items_[i].text;
        return nullptr;
    }

private:
    std::array<BoxText<Box>, kCapacity> items_;  // only the first count_ are set
    std::size_t count_ = 0;
};

// What a handler gives back: its texts, or a refusal saying why.
template <class T>
using Outcome = BasicOutcome<T, Refusal>;

inline Refused<Refusal> refuse(Refusal refusal) { return {std::move(refusal)}; }

}  // namespace loopbeam
