// The four link passes over a 10 MB page of prose with a few thousand
// markers and addresses, each pass and a click's resolution over a MiB of
// the shapes a crafted page can repeat, and the search over 10,000 pages for
// a word that is only on the last one, as the viewer runs them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "core/links/Links.h"
#include "core/search/TextSearch.h"
#include "model/PageTree.h"
#include "tests/bench/BenchBooks.h"
#include "tests/bench/BenchProse.h"
#include "tests/kit/Document.h"

namespace {

// Counts what the passes ask of the control instead of formatting it, and
// keeps what they hid.
class CountingText final : public core::LinkText {
public:
    explicit CountingText(const std::u16string& text) : text_(text), hidden_(text.size(), false) {}
    const std::u16string& Text() override { return text_; }
    int32_t FirstHidden(int32_t start, int32_t end) override
    {
        while (start < end && !hidden_[start])
            ++start;
        return start;
    }
    int32_t AfterLastHidden(int32_t start, int32_t end) override
    {
        while (end > start && !hidden_[end - 1])
            --end;
        return end;
    }
    void Hide(int32_t start, int32_t end, bool) override
    {
        std::fill(hidden_.begin() + start, hidden_.begin() + end, true);
        ++calls;
    }
    void MarkLink(int32_t, int32_t) override { ++calls; }
    int64_t calls = 0;

private:
    const std::u16string& text_;
    std::vector<bool> hidden_;
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
        core::HideBookmarks(control);
        core::MarkExternalLinks(control);
        core::MarkPageLinks(control);
        core::MarkAddresses(control);
        state.counters["ranges"] = static_cast<double>(control.calls);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
}
BENCHMARK(BM_LinkPassesOverTenMegabytes)->Unit(benchmark::kMillisecond);

// A MiB of one short shape repeated: heads without an end, addresses
// without a name, prefixes without a delimiter after them.
const std::u16string& HostilePage(int shape)
{
    static const std::u16string kShapes[] = {u"page1|", u"page1<", u"@", u"www.", u"http://", u"a@", u"bookmark<"};
    static std::u16string pages[std::size(kShapes)];
    std::u16string& page = pages[shape];
    if (page.empty()) {
        while (page.size() < (1u << 20))
            page += kShapes[shape];
        page += u"\r";
    }
    return page;
}

enum Pass { kBookmarks, kExternal, kPageLinks, kAddresses, kResolve };

void BM_PassOverAMebibyteOfOneShape(benchmark::State& state)
{
    const std::u16string& text = HostilePage(static_cast<int>(state.range(0)));
    const auto pass = static_cast<Pass>(state.range(1));
    for (auto _ : state) {
        CountingText control(text);
        switch (pass) {
        case kBookmarks: core::HideBookmarks(control); break;
        case kExternal: core::MarkExternalLinks(control); break;
        case kPageLinks: core::MarkPageLinks(control); break;
        case kAddresses: core::MarkAddresses(control); break;
        case kResolve:
            benchmark::DoNotOptimize(core::ResolvePageLink(text, static_cast<int32_t>(text.size() - 1)));
            break;
        }
        state.counters["ranges"] = static_cast<double>(control.calls);
    }
}
// Shapes: page1|, page1<, @, www., http://, a@, bookmark<. Passes: bookmarks,
// external links, page links, addresses, a click's resolution at the end.
BENCHMARK(BM_PassOverAMebibyteOfOneShape)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {kBookmarks, kExternal, kPageLinks, kAddresses, kResolve}})
    ->Unit(benchmark::kMillisecond);

void BM_SearchTenThousandPagesForTheLast(benchmark::State& state)
{
    kit::BookSpec spec = bench::ProseBook(10'000, 1500);
    spec.pages.back().text.text += u" zanzibar";
    const auto book = bench::LoadFromMemory(kit::WriteDocument(spec));
    const core::PageOrder order{model::PageTree(*book)};
    for (auto _ : state) {
        const model::CPage* found = order.NextWithMatch(nullptr, u"Zanzibar", {false, true, false});
        if (!found)
            state.SkipWithError("the word was not found");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchTenThousandPagesForTheLast)->Unit(benchmark::kMillisecond);

}  // namespace
