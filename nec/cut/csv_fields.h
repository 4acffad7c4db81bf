#pragma once
// The fields of the cut lists' CSV: quoted only where a field needs it, and a
// length as plain numbers beside the text a builder reads off a tape.

#include <initializer_list>
#include <string>
#include <vector>

namespace loopbeam::nec {

// The fields separated by commas, ending in a newline.
std::string csvLine(const std::vector<std::string>& fields);

// A tuned wire against its calculated one: the columns' names and their fields.
inline constexpr const char* kChangeColumns[] = {"calculated_wire_m", "change_m", "change_in", "change_percent"};
void addChangeFields(std::vector<std::string>& fields, double calculatedMetres, double tunedMetres);

// Each length in metres to the micrometre, in inches to the thousandth, and as
// cut (a length behind the hub signed), after the fields already there.
void addLengthFields(std::vector<std::string>& fields, std::initializer_list<double> metres);

}  // namespace loopbeam::nec
