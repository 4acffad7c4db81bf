#pragma once
// A step of the check that can fail: its value, or a message that says what
// went wrong and what to do.

#include <string>
#include <utility>

#include "common/outcome.h"

namespace loopbeam::nec {

struct Failure {
    std::string message;
};

template <class T>
using Outcome = BasicOutcome<T, Failure>;

inline Refused<Failure> refuse(std::string message) { return {Failure{std::move(message)}}; }

}  // namespace loopbeam::nec
