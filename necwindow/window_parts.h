#pragma once
// What the windows that run the engine lay out alike: the bold heading that
// names what the results belong to, the banners that tell, and the row of
// the run's button, Cancel and progress, and the question before a large model.

#include <QString>

#include "nec/model/nec_model.h"

class QHBoxLayout;
class QWidget;
class QLabel;
class QProgressBar;
class QScrollArea;
class QPushButton;

namespace loopbeam::window_parts {

inline constexpr int kProgressSteps = 1000;

// Bold, selectable, wrapped: a long heading must not widen the window.
void makeHeading(QLabel& label);
// Hidden until it tells something, on its own background.
void makeBanner(QLabel& label, const QString& objectName, const QString& background);
// The run's button, Cancel and the progress bar over kProgressSteps.
QHBoxLayout* runRow(QPushButton& run, QPushButton& cancel, QProgressBar& progress);
// The options' box in a scroll area, at least two buttons high: on a low
// screen the options scroll, so that the window fits beside the main window's
// boxes and the results keep their height; never sideways.
QScrollArea* optionsScroll(QWidget& box, const QPushButton& button, const QString& name);
// Asks before a large model, in a box owned by the window; whether to run it.
bool agreesToRun(QWidget& window, const nec::NecModel& model);

}  // namespace loopbeam::window_parts
