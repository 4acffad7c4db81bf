#pragma once
// What the windows that run the engine lay out alike: the bold heading that
// names what the results belong to, the banners that tell, and the row of
// the run's button, Cancel and progress.

#include <QString>

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;

namespace loopbeam::window_parts {

inline constexpr int kProgressSteps = 1000;

// Bold, selectable, wrapped: a long heading must not widen the window.
void makeHeading(QLabel& label);
// Hidden until it tells something, on its own background.
void makeBanner(QLabel& label, const QString& objectName, const QString& background);
// The run's button, Cancel and the progress bar over kProgressSteps.
QHBoxLayout* runRow(QPushButton& run, QPushButton& cancel, QProgressBar& progress);

}  // namespace loopbeam::window_parts
