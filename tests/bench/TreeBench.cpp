// Expand-all of a 100,000-page tree: build the children index, then visit
// every node in viewer order, as the tree pane does when it opens all.
#include <benchmark/benchmark.h>

#include "model/PageTree.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"

namespace {

// Arg 0: 100 folders of 1,000 pages; 1: 10 folders of 100 folders of 100.
const model::CBook& Book(int64_t shape)
{
    static const std::unique_ptr<model::CBook> books[] = {
        bench::LoadFromMemory(kit::WriteDocument(bench::TreeBook({100, 1000}))),
        bench::LoadFromMemory(kit::WriteDocument(bench::TreeBook({10, 100, 100}))),
    };
    return *books[shape];
}

// Arg 1 of "look": with everything a tree item shows as well (text, images,
// colour, bold).
void BM_ExpandAll(benchmark::State& state)
{
    const model::CBook& book = Book(state.range(0));
    size_t visited = 0;
    for (auto _ : state) {
        const model::PageTree tree(book);
        visited = 0;
        tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
            if (state.range(1))
                benchmark::DoNotOptimize(tree.Look(page, depth == 0, true, 0));
            return ++visited, true;
        });
        if (visited != book.PageCount())
            state.SkipWithError("expand-all missed pages");
    }
    state.counters["pages"] = static_cast<double>(visited);
    state.counters["s/page"] = benchmark::Counter(static_cast<double>(visited),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExpandAll)
    ->ArgNames({"folders1000_nested100", "look"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
