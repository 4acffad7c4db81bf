#include "nec/measured/text_file.h"

#include <fstream>

#include "common/shown_name.h"

namespace loopbeam::nec {

Outcome<std::string> readTextFile(const std::string& path, std::size_t mostBytes, std::string_view tooLarge) {
    const std::string name = shownFileName(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) return refuse(name + ": cannot be opened; check its name and that it may be read");
    std::string text;
    text.resize(mostBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return refuse(name + ": cannot be read");
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > mostBytes) return refuse(name + ": larger than " + std::string(tooLarge));
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    return text;
}

}  // namespace loopbeam::nec
