#include "app/app.h"

#include "ui/controls.h"

#include <QApplication>
#include <QStyleFactory>

namespace zlp {

void prepareApplication() {
    // One style everywhere, so that button faces take their own colours.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installFontSubstitutes();
    QApplication::setFont(ui::defaultFont());
    // The main menu's Exit ends the program; closing a window never does by itself.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace zlp
