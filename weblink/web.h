#pragma once
// The web link window "Web Page Link": a click on the address opens it in the
// user's default browser.

#include <QString>
#include <QWidget>
#include <string_view>

namespace loopbeam {

class web : public QWidget {
    Q_OBJECT

public:
    // The link's caption; a click opens it with a final "/".
    static constexpr std::string_view kAddress = "https://www.arrl.org";

    web();

    // Shown again after it was closed, it is as laid out: nothing to restore.
    void reload() {}

public slots:
    void lblWebPage_Click();
};

}  // namespace loopbeam
