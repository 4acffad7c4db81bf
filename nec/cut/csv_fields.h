#pragma once
// The fields of the cut lists' CSV: quoted only where a field needs it, and a
// length as plain numbers beside the text a builder reads off a tape.

#include <string>
#include <vector>

namespace loopbeam::nec {

// The fields separated by commas, ending in a newline.
std::string csvLine(const std::vector<std::string>& fields);

// A tuned wire against its calculated one: the columns' names and their fields.
inline constexpr const char* kChangeColumns[] = {"calculated_wire_m", "change_m", "change_in", "change_percent"};
std::vector<std::string> changeFields(double calculatedMetres, double tunedMetres);

// A length in metres to the micrometre, in inches to the thousandth, and as cut.
std::vector<std::string> lengthFields(double metres);

}  // namespace loopbeam::nec
