// The four link passes over a 10 MB page of prose with a few thousand
// markers and addresses, and the search over 10,000 pages for a word that is
// only on the last one, as the viewer runs them.
#include <benchmark/benchmark.h>

#include "components/Links.h"
#include "components/TextSearch.h"
#include "model/PageTree.h"
#include "tests/bench/BenchBooks.h"
#include "tests/bench/BenchProse.h"
#include "tests/kit/Document.h"

namespace {

// Counts what the passes ask of the control instead of formatting it.
class CountingText final : public components::LinkText {
public:
    explicit CountingText(const std::u16string& text) : text_(text) {}
    const std::u16string& Text() override { return text_; }
    void Hide(int32_t, int32_t, bool) override { ++calls; }
    void MarkLink(int32_t, int32_t) override { ++calls; }
    int64_t calls = 0;

private:
    const std::u16string& text_;
};

const std::u16string& LinkPage()
{
    static const std::u16string page = [] {
        bench::Prose prose(7);
        std::u16string text;
        const std::u16string marks[] = {u" bookmark<here> ", u" page42<the budget> ", u" https://example.org/a?b=1 ",
                                        u" ask.me@example.org, ", u" www.example.com/x "};
        for (size_t i = 0; text.size() < 10'000'000; ++i)
            text += prose.Text(2000) + marks[i % 5];
        return text + u"\r";
    }();
    return page;
}

void BM_LinkPassesOverTenMegabytes(benchmark::State& state)
{
    const std::u16string& text = LinkPage();
    for (auto _ : state) {
        CountingText control(text);
        components::HideBookmarks(control);
        components::MarkExternalLinks(control);
        components::MarkPageLinks(control);
        components::MarkAddresses(control);
        state.counters["ranges"] = static_cast<double>(control.calls);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
}
BENCHMARK(BM_LinkPassesOverTenMegabytes)->Unit(benchmark::kMillisecond);

void BM_SearchTenThousandPagesForTheLast(benchmark::State& state)
{
    kit::BookSpec spec = bench::ProseBook(10'000, 1500);
    spec.pages.back().text.text += u" zanzibar";
    const auto book = bench::LoadFromMemory(kit::WriteDocument(spec));
    const components::PageOrder order{model::PageTree(*book)};
    for (auto _ : state) {
        const model::CPage* found = order.NextWithMatch(nullptr, u"Zanzibar", {false, true, false});
        if (!found)
            state.SkipWithError("the word was not found");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchTenThousandPagesForTheLast)->Unit(benchmark::kMillisecond);

}  // namespace
