// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for any Qt Widgets program here: one window with as many buttons
// as the main menu, shown and processed, then the program ends.
#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(459, 363);
    for (int i = 0; i < 28; ++i) {
        auto* b = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        b->setGeometry(8 + (i / 11) * 152, 8 + (i % 11) * 32, 137, 25);
    }
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return 0;
}
