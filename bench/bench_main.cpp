// SPDX-License-Identifier: GPL-3.0-or-later
// zlp-bench: the windows need an application object, so the benchmarks get a
// main of their own that creates one on the offscreen platform first.
#include "app/app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zlp::prepareApplication();
    // Picture paths are relative; a missing file would stop a run with a message box.
    if (!QFileInfo::exists(QStringLiteral("ZLP-Images/blank.gif")))
        QDir::setCurrent(QStringLiteral(ZLP_SOURCE_DIR));
    if (!QFileInfo::exists(QStringLiteral("ZLP-Images/blank.gif"))) {
        std::fprintf(stderr, "zlp-bench: no ZLP-Images folder here or in %s\n", ZLP_SOURCE_DIR);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
