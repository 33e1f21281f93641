#pragma once

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The main of a benchmark that drives the editor's widgets: a private settings home, the
// offscreen platform unless another is asked for, and an application object.
inline int RunWidgetBenchmarks(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("ORMEL_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
