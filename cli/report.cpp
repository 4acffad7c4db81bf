#include "cli/report.h"

#include <array>
#include <cstdio>
#include <initializer_list>

#include "design/result_rows.h"

namespace loopbeam::cli {
namespace {

std::string textOf(const BoxTexts& texts, std::string_view box) {
    const ShortText* text = texts.find(box);
    return text ? text->str() : std::string();
}

std::string jsonObject(const BoxTexts& texts, std::initializer_list<std::string_view> boxes) {
    std::string out = "{";
    for (std::string_view box : boxes) {
        if (out.size() > 1) out += ", ";
        out += jsonString(box) + ": " + jsonString(textOf(texts, box));
    }
    return out + "}";
}

std::string resultObject(const BoxTexts& texts) {
    return jsonObject(texts, {"Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22",
                              "Text23", "Text24", "Text25", "Text26", "Text27"});
}

std::string matchingObject(const BoxTexts& texts) { return jsonObject(texts, {"Text3", "Text4", "Text6", "Text7"}); }

constexpr std::array<const char*, 6> kRowNames{"Directors",       "Driven element", "Reflector",
                                               "Element spacing", "Boom length",    "Spreader hole spacing"};

const char* designTypeCaption(DesignType type) {
    switch (type) {
        case DesignType::Standard: return "STANDARD HIGH GAIN";
        case DesignType::Special: return "SPECIAL 4 OR 8 ELEMENT";
        case DesignType::DoubleReflector: return "DOUBLE REFLECTOR";
    }
    return "";
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

std::string jsonReport(const RoadResult& road) {
    std::string out = "{";
    const auto member = [&](std::string_view key, const std::string& value) {
        if (out.size() > 1) out += ", ";
        out += jsonString(key) + ": " + value;
    };
    if (road.lock) member("lock", jsonObject(*road.lock, {"Label1", "Text9", "Text10", "freqtxt"}));
    if (road.feet) member("feet", resultObject(*road.feet));
    if (road.metric) member("metric", resultObject(*road.metric));
    if (road.matchingFeet) {
        std::string matching = "{\"feet\": " + matchingObject(*road.matchingFeet);
        if (road.matchingMetric) matching += ", \"metric\": " + matchingObject(*road.matchingMetric);
        member("matching", matching + "}");
    }
    if (road.failure)
        member("error", "{\"step\": " + jsonString(road.failure->step) +
                            ", \"message\": " + jsonString(road.failure->message) + "}");
    return out + "}\n";
}

std::string humanReport(const RoadResult& road, const Options& options) {
    std::string out;
    if (road.lock) {
        const BoxTexts& lock = *road.lock;
        out += "Locked frequency   " + textOf(lock, "Label1") + " MHz\n";
        out += "Usable range       " + textOf(lock, "Text9") + " to " + textOf(lock, "Text10") +
               " MHz (estimated, SWR 1.5 to 1.7)\n";
        out += "Design             " + std::to_string(options.elements) + " elements, AWG " +
               std::to_string(options.awg) + ", " + designTypeCaption(options.type) + "\n";
    }
    const auto& dimensions = options.metric ? road.metric : road.feet;
    if (dimensions) {
        const BoxTexts& texts = *dimensions;
        out += "\n" + padded("", 24) + padded(textOf(texts, kWholeHeadingBox), 8) + textOf(texts, kFractionHeadingBox) +
               "\n";
        for (std::size_t i = 0; i < kLengthRows.size(); ++i)
            out += padded(kRowNames[i], 24) + padded(textOf(texts, kLengthRows[i].wholeBox), 8) +
                   textOf(texts, kLengthRows[i].fractionBox) + "\n";
    }
    const auto& matching = options.metric ? road.matchingMetric : road.matchingFeet;
    if (matching) {
        const BoxTexts& texts = *matching;
        out += "\nQuarter-wave 75 ohm matching section: " + textOf(texts, "Text3") + " " + textOf(texts, "Text6") +
               ", " + textOf(texts, "Text4") + " " + textOf(texts, "Text7") + "\n";
    }
    return out;
}

}  // namespace loopbeam::cli
