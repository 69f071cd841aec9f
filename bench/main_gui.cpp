// The main of the benchmarks that draw or lay out text: fonts and rich-text documents need
// a GUI application, and no display is needed for PDF output.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#ifdef RENTIVA_BENCH_WIDGETS
#include <QApplication>
using Aplicacion = QApplication;
#else
using Aplicacion = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplicacion app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
