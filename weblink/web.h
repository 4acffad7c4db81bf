#pragma once
// The web link window "Web Page Link": a click on the address opens it in the
// user's default browser.

#include <QString>
#include <QWidget>

namespace loopbeam {

class web : public QWidget {
    Q_OBJECT

public:
    static inline const QString kAddress = QStringLiteral("https://www.arrl.org");

    web();

    // Shown again after it was closed, it is as laid out: nothing to restore.
    void reload() {}

public slots:
    void lblWebPage_Click();
};

}  // namespace loopbeam
