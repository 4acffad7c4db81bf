#pragma once
// What the user is told when a step refuses: what is wrong and what to do,
// in the words of the front end the user works in.

#include <string>

#include "design/refusal.h"

namespace loopbeam::messages {

// For the windows: names their boxes and buttons.
std::string forWindow(const Refusal& refusal);

// For the several bands' window: a frequency of its band list.
std::string forBandList(const Refusal& refusal);

// For loopbeam-cli: names its options.
std::string forCommandLine(const Refusal& refusal);

}  // namespace loopbeam::messages
