#pragma once
// A fixed table of named choices. Each row has its key (an enum), the word
// the command line and the JSON use, and the name a reader sees.

#include <array>
#include <string>
#include <string_view>

namespace loopbeam::nec {

template <class Row, std::size_t N, class Key>
constexpr const Row& rowOf(const std::array<Row, N>& rows, Key key) {
    for (const Row& row : rows)
        if (row.key == key) return row;
    return rows.front();  // unreachable while every key has its row
}

template <class Row, std::size_t N>
constexpr const Row* rowOfWord(const std::array<Row, N>& rows, std::string_view word) {
    for (const Row& row : rows)
        if (row.word == word) return &row;
    return nullptr;
}

// "a|b|c", as a usage line lists them.
template <class Row, std::size_t N>
std::string wordsOf(const std::array<Row, N>& rows) {
    std::string out;
    for (const Row& row : rows) out += (out.empty() ? "" : "|") + std::string(row.word);
    return out;
}

}  // namespace loopbeam::nec
