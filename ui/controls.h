#pragma once
// The widgets the builder made from a window's control table, in table
// order, reached by row; and the widgets of the boxes the core writes,
// reached by the core's enum of boxes.

#include <QWidget>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "ui/control_table.h"

namespace loopbeam::ui {

class Controls {
public:
    explicit Controls(std::vector<QWidget*> widgets) : widgets_(std::move(widgets)) {}

    // The widget of a row as the kind of widget its table row makes.
    template <class Widget>
    Widget* at(std::size_t row) const {
        auto* widget = qobject_cast<Widget*>(widgets_.at(row));
        if (!widget)
            qFatal("control %s is not of the kind its window expects", qPrintable(widgets_[row]->objectName()));
        return widget;
    }

private:
    std::vector<QWidget*> widgets_;
};

// The table rows of a window's boxes, in the order of the core's facts of
// its boxes; evaluated at compile time, so every box must have its row.
template <std::size_t N, class Facts>
constexpr std::array<std::size_t, N> boxRows(std::span<const ControlSpec> table, const std::array<Facts, N>& facts) {
    std::array<std::size_t, N> rows{};
    for (std::size_t i = 0; i < N; ++i) rows[i] = rowOf(table, facts[i].name);
    return rows;
}

// The widgets of a window's boxes, indexed by the core's enum of boxes.
template <class Box, std::size_t N>
class BoxWidgets {
public:
    BoxWidgets(const Controls& controls, const std::array<std::size_t, N>& rows) {
        for (std::size_t i = 0; i < N; ++i) widgets_[i] = controls.at<QWidget>(rows[i]);
    }
    QWidget& operator[](Box box) const { return *widgets_[static_cast<std::size_t>(box)]; }

private:
    std::array<QWidget*, N> widgets_{};
};

}  // namespace loopbeam::ui
