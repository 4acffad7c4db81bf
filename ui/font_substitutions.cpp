#include "ui/font_substitutions.h"

#include <QFont>
#include <QStringList>

namespace loopbeam::ui {

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Terminal"),
                               QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

}  // namespace loopbeam::ui
