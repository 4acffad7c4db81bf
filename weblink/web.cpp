#include "weblink/web.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>
#include <array>

#include "ui/click_events.h"
#include "ui/control_builder.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

using ui::ControlSpec;
using ui::Kind;

// A table: one control a row, kept as written.
// clang-format off
constexpr std::array<ControlSpec, 3> kControls{{
    {"Label1", Kind::Label, "The link will be opened in your default browser.", {525, 75, 2265, 390}, {}, {}, {},
     ui::kCentred},
    {"Label2", Kind::Label, "Click Link Below to ", {450, 750, 2490, 345}, {}, {}, {}, ui::kCentred},
    {"lblWebPage", Kind::Label, web::kAddress, {525, 1335, 2205, 255}, {"MS Sans Serif", 8.25, false, false, true},
     ui::kBlue, {}},
}};
// clang-format on

constexpr ui::WindowDesign kDesign{"web", "Web Page Link", {0, 0, 3315, 1845}, std::nullopt};
constexpr std::size_t kLinkRow = ui::rowOf(kControls, "lblWebPage");

}  // namespace

web::web() {
    // A fixed frame with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const ui::Controls controls = ui::buildWindow(*this, kDesign, kControls);
    setFixedSize(size());
    auto* link = controls.at<QLabel>(kLinkRow);
    link->setCursor(QCursor(QPixmap(QStringLiteral(":/loopbeam/hand.png")), 13, 9));
    ui::onClick(*link, [this] { lblWebPage_Click(); });
}

void web::lblWebPage_Click() {
    // The desktop's own opener starts the browser without a shell and without
    // waiting; the address is a constant, nothing typed reaches it.
    const QString page = ui::toQString(kAddress) + QLatin1Char('/');
    if (!QDesktopServices::openUrl(QUrl(page)))
        ui::showProblem(*this, kDesign.caption,
                        QStringLiteral("The web page could not be opened: no web browser could be started on "
                                       "this desktop. Copy the address into your browser:\n\n%1")
                            .arg(page));
}

}  // namespace loopbeam
