#include "necwindow/check_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <sstream>

#include "common/checked_output.h"
#include "nec/model/deck_writer.h"
#include "nec/model/design_input.h"
#include "nec/model/file_stem.h"
#include "ui/show_outcome.h"

namespace loopbeam {

std::optional<QString> saveThroughDialog(QWidget& window, const QString& title, const QString& suggested,
                                         const QString& filter, const std::function<void(std::ostream&)>& write) {
    static QString lastFolder = QDir::homePath();  // the dialogs start where the user last saved
    const QString path = QFileDialog::getSaveFileName(&window, title, QDir(lastFolder).filePath(suggested), filter);
    window.activateWindow();  // some window managers give the focus elsewhere when the dialog goes
    if (path.isEmpty()) return std::nullopt;
    lastFolder = QFileInfo(path).absolutePath();
    std::ostringstream text;
    write(text);
    // Only a file: a FIFO or device would hold the window until a reader came.
    if (const auto problem = replaceFile(path.toStdString(), text.str())) {
        ui::showProblem(window, title.toStdString(), ui::toQString("Nothing was saved: " + *problem + "."));
        return std::nullopt;
    }
    return path;
}

std::optional<QString> saveModelThroughDialog(QWidget& window, const QString& title, const std::string& stem,
                                              const nec::NecModel& model, std::optional<double> figuresElevation) {
    return saveThroughDialog(window, title, ui::toQString(stem + ".nec"), QStringLiteral("NEC-2 decks (*.nec)"),
                             [&](std::ostream& out) { out << nec::writePortableDeck(model, figuresElevation); });
}

std::optional<QString> saveDeckThroughDialog(QWidget& window, const QString& title, const CalculatedDesign& design,
                                             const nec::CheckOptions& options) {
    const auto model = nec::buildModel(nec::quadDesignOf(design), options);
    if (!model) {
        ui::showProblem(window, title.toStdString(), ui::toQString(model.error().message));
        return std::nullopt;
    }
    return saveModelThroughDialog(window, title, nec::checkFileStem(design, options), *model, std::nullopt);
}

}  // namespace loopbeam
