// Expand-all of a 100,000-page tree: build the children index, then visit
// every node in viewer order, as the tree pane does when it opens all.
#include <benchmark/benchmark.h>

#include "model/PageTree.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"

namespace {

constexpr uint32_t kPages = 100000;

const model::CBook& Book()
{
    static const std::unique_ptr<model::CBook> book =
        bench::LoadFromMemory(kit::WriteDocument(bench::TreeBook(kPages)));
    return *book;
}

// Arg 1: with everything a tree item shows as well (text, images, colour, bold).
void BM_ExpandAll(benchmark::State& state)
{
    const model::CBook& book = Book();
    for (auto _ : state) {
        const model::PageTree tree(book);
        size_t visited = 0;
        tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
            if (state.range(0))
                benchmark::DoNotOptimize(tree.Look(page, depth == 0, true, 0));
            return ++visited, true;
        });
        if (visited != kPages)
            state.SkipWithError("expand-all missed pages");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kPages);
}
BENCHMARK(BM_ExpandAll)->ArgName("look")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
