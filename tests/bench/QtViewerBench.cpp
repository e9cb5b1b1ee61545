// The Qt viewer widget on large notebooks, offscreen: opening a book of a
// million pages into the widget (read, tree made, information shown, the
// widget laid out and drawn), and Expand All over 100,000 pages from the
// root until the tree is drawn again. Writing the books is not timed.
#include <benchmark/benchmark.h>

#include "frontends/qt/viewer/ViewerWidget.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"

#include <QApplication>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::filesystem::path WriteOnce(const char* name, const kit::BookSpec& book)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    const std::vector<uint8_t> bytes = kit::WriteDocument(book);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void Draw(QWidget& widget)
{
    widget.repaint();
    QApplication::processEvents();
}

// A million short pages under folders of a thousand.
void BM_QtOpenMillionPages(benchmark::State& state)
{
    static const std::filesystem::path path = WriteOnce("vv_qt_bench_million.vnb", bench::LargeBook(1000000));
    for (auto _ : state) {
        auto viewer = std::make_unique<qtviewer::ViewerWidget>();
        viewer->resize(900, 600);
        viewer->show();
        if (!viewer->Load(path))
            state.SkipWithError("the notebook did not open");
        Draw(*viewer);
        state.PauseTiming();
        viewer.reset();  // closing is not opening
        state.ResumeTiming();
    }
}

// 100 folders of 1,000 pages, and 10 of 100 of 100.
void BM_QtExpandAll100000(benchmark::State& state)
{
    static const std::filesystem::path paths[] = {
        WriteOnce("vv_qt_bench_tree1.vnb", bench::TreeBook({100, 1000})),
        WriteOnce("vv_qt_bench_tree2.vnb", bench::TreeBook({10, 100, 100})),
    };
    for (auto _ : state) {
        state.PauseTiming();
        auto viewer = std::make_unique<qtviewer::ViewerWidget>();
        viewer->resize(900, 600);
        viewer->show();
        if (!viewer->Load(paths[state.range(0)]))
            state.SkipWithError("the notebook did not open");
        Draw(*viewer);
        viewer->Tree()->setCurrentIndex(viewer->Tree()->model()->index(0, 0));
        state.ResumeTiming();
        viewer->ExpandAll();
        Draw(*viewer);
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_QtOpenMillionPages)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_QtExpandAll100000)->ArgName("nested")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
