#include "necwindow/check_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <sstream>

#include "common/checked_output.h"
#include "common/text_forms.h"
#include "nec/check.h"
#include "nec/design_input.h"
#include "ui/show_outcome.h"

namespace loopbeam {

QString suggestedFileName(const CalculatedDesign& design, const QString& extension) {
    const QString type = ui::toQString(captionOf(design.type)).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("quad-%1MHz-%2el-awg%3-%4.%5")
        .arg(ui::toQString(singleText(design.freq).view()))
        .arg(design.elementCount)
        .arg(design.gauge)
        .arg(type, extension);
}

void saveThroughDialog(QWidget& window, const QString& title, const QString& suggested, const QString& filter,
                       const std::function<void(std::ostream&)>& write) {
    static QString lastFolder = QDir::homePath();  // the dialogs start where the user last saved
    const QString path = QFileDialog::getSaveFileName(&window, title, QDir(lastFolder).filePath(suggested), filter);
    window.activateWindow();  // some window managers give the focus elsewhere when the dialog goes
    if (path.isEmpty()) return;
    lastFolder = QFileInfo(path).absolutePath();
    std::ostringstream text;
    write(text);
    if (const auto problem = writeFile(path.toStdString(), text.str()))
        ui::showProblem(window, title.toStdString(), ui::toQString("Nothing was saved: " + *problem + "."));
}

void saveDeckThroughDialog(QWidget& window, const QString& title, const CalculatedDesign& design,
                           const nec::CheckOptions& options) {
    const auto model = nec::buildModel(nec::quadDesignOf(design), options);
    if (!model) {
        ui::showProblem(window, title.toStdString(), ui::toQString(model.error().message));
        return;
    }
    saveThroughDialog(window, title, suggestedFileName(design, QStringLiteral("nec")),
                      QStringLiteral("NEC-2 decks (*.nec)"), [&](std::ostream& out) { out << nec::wholeDeck(*model); });
}

}  // namespace loopbeam
