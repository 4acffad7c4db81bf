#include "necwindow/check_files.h"

#include <QFileDialog>
#include <ostream>

#include "nec/check.h"
#include "nec/design_input.h"
#include "nec/sweep_files.h"
#include "ui/show_outcome.h"

namespace loopbeam {

QString suggestedFileName(const CalculatedDesign& design, const QString& extension) {
    const QString type = ui::toQString(captionOf(design.type)).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("quad-%1MHz-%2el-awg%3-%4.%5")
        .arg(QString::number(static_cast<double>(design.freq), 'g', 7))
        .arg(design.elementCount)
        .arg(design.gauge)
        .arg(type, extension);
}

bool saveThroughDialog(QWidget& window, const QString& title, const QString& suggested, const QString& filter,
                       const std::function<void(std::ostream&)>& write) {
    const QString path = QFileDialog::getSaveFileName(&window, title, suggested, filter);
    if (path.isEmpty()) return false;
    const auto saved = nec::saveFile(path.toStdString(), write);
    if (!saved) ui::showProblem(window, title.toStdString(), ui::toQString(saved.error().message));
    return saved.has_value();
}

void saveDeckThroughDialog(QWidget& window, const CalculatedDesign& design) {
    const QString title = QStringLiteral("Save NEC-2 deck");
    const auto model = nec::buildModel(nec::quadDesignOf(design), {});
    if (!model) {
        ui::showProblem(window, title.toStdString(), ui::toQString(model.error().message));
        return;
    }
    saveThroughDialog(window, title, suggestedFileName(design, QStringLiteral("nec")),
                      QStringLiteral("NEC-2 decks (*.nec)"), [&](std::ostream& out) { out << nec::wholeDeck(*model); });
}

}  // namespace loopbeam
