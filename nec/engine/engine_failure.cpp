#include "nec/engine/engine_failure.h"

#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "nec/engine/nec2c_output.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

constexpr std::size_t kQuoteLength = 160;

std::string_view lastLine(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \n\r\t");
    if (end == std::string_view::npos) return "";
    const std::size_t newline = text.find_last_of('\n', end);
    const std::size_t start = newline == std::string_view::npos ? 0 : newline + 1;
    return text.substr(start, end + 1 - start);
}

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string quotedLine(std::string_view text) {
    std::string_view line = lastLine(text);
    const bool cut = line.size() > kQuoteLength;
    if (cut) {
        std::size_t length = kQuoteLength;
        while (length > 0 && continuationByte(line[length])) --length;  // not inside a UTF-8 character
        line = line.substr(0, length);
    }
    std::string quoted;
    for (const char c : line) quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return cut ? quoted + "..." : quoted;
}

std::string spawnFailure(const std::string& engine, int error) {
    if (error == ENOENT)
        return "The NEC-2 engine \"" + engine +
               "\" was not found. Install nec2c (Debian and Ubuntu: apt install nec2c) and check again.";
    return "Could not start the NEC-2 engine \"" + engine + "\": " + std::strerror(error) + ".";
}

std::string endingFailure(int status, std::string_view output, std::string_view log) {
    const std::string logLine = quotedLine(log);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 255) {
        const std::string complaint = quotedLine(nec2cComplaint(output));
        return "nec2c refused its input: " + (complaint.empty() ? logLine : complaint);
    }
    const std::string said = logLine.empty() ? quotedLine(output) : logLine;
    const char* colon = said.empty() ? "" : ": ";
    if (WIFEXITED(status))
        return printfText("nec2c stopped with exit status %d%s%s", WEXITSTATUS(status), colon, said.c_str());
    if (WIFSIGNALED(status))
        return printfText("nec2c was ended by signal %d (%s)%s%s", WTERMSIG(status), strsignal(WTERMSIG(status)), colon,
                          said.c_str());
    return "nec2c ended in a way that could not be learned (is SIGCHLD ignored?)";
}

}  // namespace loopbeam::nec
