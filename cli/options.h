#pragma once
// The command line of loopbeam-cli.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace loopbeam::cli {

enum class DesignType { Standard, Special, DoubleReflector };

struct Options {
    std::string freq;  // as typed, before the box's 7-character cut
    std::int16_t elements = 3;
    std::int16_t awg = 10;
    DesignType type = DesignType::Standard;
    std::optional<std::int16_t> coaxIndex;
    bool metric = false;
    bool json = false;
};

struct HelpRequested {};
struct UsageError {
    std::string message;
};

using ParsedCommandLine = std::variant<Options, HelpRequested, UsageError>;

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args);

extern const char* const kUsage;

}  // namespace loopbeam::cli
