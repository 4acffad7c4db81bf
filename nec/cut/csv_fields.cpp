#include "nec/cut/csv_fields.h"

#include "nec/cut/cut_lengths.h"
#include "nec/model/nec_model.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : ",") + csvField(field);
    return line + "\n";
}

std::vector<std::string> changeFields(double calculatedMetres, double tunedMetres) {
    const double change = tunedMetres - calculatedMetres;
    return {printfText("%.6f", calculatedMetres), printfText("%.6f", change),
            printfText("%.3f", change / kMetresPerInch), printfText("%.4f", change / calculatedMetres * 100)};
}

std::vector<std::string> lengthFields(double metres) {
    return {printfText("%.6f", metres), printfText("%.3f", metres / kMetresPerInch), feetInchesText(metres)};
}

}  // namespace loopbeam::nec
