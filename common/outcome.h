#pragma once
// What a handler gives back: the texts of the boxes it writes, in the order it
// writes them, or a refusal carrying the message for the user.

#include <array>
#include <cstddef>
#include <expected>
#include <string>
#include <string_view>

namespace loopbeam {

struct BoxText {
    std::string_view box;  // the control's name
    std::string text;
};

// A handler writes at most fourteen boxes; a fixed array keeps a design free of
// container allocations.
class BoxTexts {
public:
    static constexpr std::size_t kCapacity = 14;

    void add(std::string_view box, std::string text) { items_[count_++] = {box, std::move(text)}; }
    std::size_t size() const { return count_; }
    const BoxText& operator[](std::size_t i) const { return items_[i]; }
    const BoxText* begin() const { return items_.data(); }
    const BoxText* end() const { return items_.data() + count_; }

    // The text last written to a box, or nullptr when this step did not write it.
    const std::string* find(std::string_view box) const {
        for (std::size_t i = count_; i-- > 0;)
            if (items_[i].box == box) return &items_[i].text;
        return nullptr;
    }

private:
    std::array<BoxText, kCapacity> items_{};
    std::size_t count_ = 0;
};

struct Refusal {
    std::string message;
};

template <class T>
using Outcome = std::expected<T, Refusal>;

inline std::unexpected<Refusal> refuse(std::string message) { return std::unexpected(Refusal{std::move(message)}); }

}  // namespace loopbeam
