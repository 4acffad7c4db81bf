#pragma once
// A page's content in a scroll area that a screen reader names, its scroll
// bars included, for content that may be taller or wider than the window.

class QScrollArea;
class QString;
class QWidget;

namespace loopbeam::ui {

QScrollArea* scrollPage(QWidget* content, const QString& name);

}  // namespace loopbeam::ui
