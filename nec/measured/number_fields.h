#pragma once
// The fields of a line of a measurement file, and their numbers, read the
// same whatever the user's locale.

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopbeam::nec {

// The line's fields between blanks (and the separator, when one is given),
// empty fields kept only between separators.
std::vector<std::string_view> fieldsOf(std::string_view line, char separator = '\0');

// A finite number written alone: a sign, digits, a point, an exponent.
std::optional<double> numberOf(std::string_view field);

// "line 12: " and the problem.
std::string onLine(std::size_t line, std::string_view problem);

// "not a number: "1,5" (write a decimal point)" and the like.
std::string notANumber(std::string_view field);

// A frequency in MHz from one in the file's unit (Hz per unit).
inline double megahertzOf(double value, double hertzPerUnit) { return value * hertzPerUnit / 1e6; }

// The impedance a reflection coefficient against referenceOhms stands for;
// nothing where it is not finite (an open circuit).
std::optional<std::complex<double>> impedanceOfReflection(std::complex<double> s, double referenceOhms);

}  // namespace loopbeam::nec
