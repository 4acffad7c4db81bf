#include "nec/cut/csv_fields.h"

#include <cmath>

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

void addChangeFields(std::vector<std::string>& fields, double calculatedMetres, double tunedMetres) {
    const double change = tunedMetres - calculatedMetres;
    fields.insert(fields.end(),
                  {printfText("%.6f", calculatedMetres), printfText("%.6f", change),
                   printfText("%.3f", change / kMetresPerInch), printfText("%.4f", change / calculatedMetres * 100)});
}

void addLengthFields(std::vector<std::string>& fields, std::initializer_list<double> metres) {
    for (const double length : metres)
        fields.insert(fields.end(), {printfText("%.6f", length), printfText("%.3f", length / kMetresPerInch),
                                     (length < 0 ? "-" : "") + feetInchesText(std::abs(length))});
}

}  // namespace loopbeam::nec
