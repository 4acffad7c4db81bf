#pragma once

namespace loopbeam {

// Qt aborts a program that finds no display. Instead, loopbeam says that it
// needs a graphical desktop and exits with status 2: at once when no display
// is named at all, and through Qt's fatal message when the one named cannot
// be reached.
void requireGraphicalDesktop();

}  // namespace loopbeam
