#include "cli/report.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "cli/measured_report.h"
#include "cli/trim_report.h"
#include "cli/tune_json.h"
#include "design/result_rows.h"
#include "design/units.h"

namespace loopbeam::cli {
namespace {

template <class Box>
std::string textOf(const BoxTexts<Box>& texts, Box box) {
    const ShortText* text = texts.find(box);
    return text ? text->str() : std::string();
}

// The boxes a step wrote, keyed by control name, in the order of the control names.
template <class Box>
std::string jsonObject(const BoxTexts<Box>& texts) {
    std::vector<BoxText<Box>> sorted(texts.begin(), texts.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.box < b.box; });
    std::string out = "{";
    for (const BoxText<Box>& text : sorted) {
        if (out.size() > 1) out += ", ";
        out += jsonString(factsOf(text.box).name) + ": " + jsonString(text.text);
    }
    return out + "}";
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The rows under their unit headings, each column at least two blanks wider
// than its longest text, so that no two numbers run together.
std::string dimensionsTable(const MainTexts& texts) {
    constexpr std::size_t kGap = 2;
    std::size_t captions = 0, whole = textOf(texts, kWholeHeadingBox).size();
    for (const LengthRow& row : kLengthRows) {
        captions = std::max(captions, row.caption.size());
        whole = std::max(whole, textOf(texts, row.wholeBox).size());
    }
    captions += kGap + 1;
    whole = std::max<std::size_t>(whole + kGap, 8);
    std::string out = padded("", captions) + padded(textOf(texts, kWholeHeadingBox), whole) +
                      textOf(texts, kFractionHeadingBox) + "\n";
    for (const LengthRow& row : kLengthRows)
        out += padded(std::string(row.caption), captions) + padded(textOf(texts, row.wholeBox), whole) +
               textOf(texts, row.fractionBox) + "\n";
    return out;
}

// Each stored length as a number: in feet as the float holds it, in metres
// as the metric boxes convert it.
std::string lengthsJson(const std::vector<float>& feet) {
    std::string out;
    for (std::size_t i = 0; i < feet.size(); ++i) {
        char text[32];
        const std::string ft(text, std::to_chars(text, text + sizeof text, feet[i]).ptr);
        out += (out.empty() ? "" : ", ") + jsonString(kLengthRows[i].word) +
               ": {\"m\": " + jsonNumber(metresOf(feet[i])) + ", \"ft\": " + ft + "}";
    }
    return "{" + out + "}";
}

}  // namespace

std::string jsonReport(const DesignRun& run, const NecCheckRun* check, const TuneRun* tune,
                       const MeasuredRun* measured) {
    std::string out = "{";
    const auto member = [&](std::string_view key, const std::string& value) {
        if (out.size() > 1) out += ", ";
        out += jsonString(key) + ": " + value;
    };
    if (run.lock) member("lock", jsonObject(*run.lock));
    if (run.feet) member("feet", jsonObject(*run.feet));
    if (run.metric) member("metric", jsonObject(*run.metric));
    if (!run.lengthsFeet.empty()) member("lengths", lengthsJson(run.lengthsFeet));
    if (run.matchingFeet) {
        std::string matching = "{\"feet\": " + jsonObject(*run.matchingFeet);
        if (run.matchingMetric) matching += ", \"metric\": " + jsonObject(*run.matchingMetric);
        member("matching", matching + "}");
    }
    if (check && check->result) member("nec", necJson(*check->result, *check, *check->feed));
    if (tune && tune->tuned) member("tuned", tunedJson(*check, *tune->tuned, tune->tunedFeed));
    if (measured && measured->points > 0) {
        member("measured", measuredJson(*measured));
        member("trim", measured->trim ? trimJson(*measured->trim) : "null");
    }
    const auto failure = firstFailure(run, check, tune, measured);
    if (failure)
        member("error",
               "{\"step\": " + jsonString(failure->step) + ", \"message\": " + jsonString(failure->message) + "}");
    return out + "}\n";
}

std::string humanReport(const DesignRun& run, const Options& options) {
    std::string out;
    if (run.lock) {
        const MainTexts& lock = *run.lock;
        out += "Locked frequency   " + textOf(lock, MainBox::Label1) + " MHz\n";
        out += "Usable range       " + textOf(lock, MainBox::Text9) + " to " + textOf(lock, MainBox::Text10) +
               " MHz (estimated, SWR 1.5 to 1.7)\n";
        out += "Design             " + std::to_string(options.elements) + " elements, AWG " +
               std::to_string(options.awg) + ", " + std::string(captionOf(options.type)) + "\n";
    }
    const auto& dimensions = options.metric ? run.metric : run.feet;
    if (dimensions) out += "\n" + dimensionsTable(*dimensions);
    const auto& matching = options.metric ? run.matchingMetric : run.matchingFeet;
    if (matching) {
        const MatchingTexts& texts = *matching;
        out += "\nQuarter-wave 75 ohm matching section: " + textOf(texts, MatchingBox::Text3) + " " +
               textOf(texts, MatchingBox::Text6) + ", " + textOf(texts, MatchingBox::Text4) + " " +
               textOf(texts, MatchingBox::Text7) + "\n";
    }
    return out;
}

}  // namespace loopbeam::cli
