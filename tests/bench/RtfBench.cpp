// The words of a 10 MB rich text page and its 7-bit form, as search and the
// rich text pane make them: prose in ANSI, Cyrillic and Japanese fonts,
// \uN escapes, and bytes read from narrow text; rich pages of 1 and 10 MB
// as HTML.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "richtext/HtmlWriter.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfReader.h"
#include "tests/bench/BenchProse.h"
#include "tests/unit/CountingAllocator.h"
#include "text/RtfText.h"

namespace {

const std::u16string& RtfPage()
{
    static const std::u16string page = [] {
        bench::Prose prose(11);
        std::u16string rtf = u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                             u"{\\f1\\fnil\\fcharset204 Arial;}{\\f2\\fnil\\fcharset128 MS Mincho;}}\\uc1\\pard ";
        const std::u16string runs[] = {
            u"\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\'ec\\'e8\\'f0\\f0 ", u"\\f2 \\'93\\'fa\\'96\\'7b\\'8c\\'ea\\f0 ",
            u"\\u1055\\'3f\\u1088\\'3f ", u"\\f1 \u00CF\u00F0\u00E8\\f0 caf\u00E9 ", u"{\\b bold}\\par\r\n"};
        for (size_t i = 0; rtf.size() < 10'000'000; ++i)
            rtf += prose.Text(300) + runs[i % 5];
        return rtf + u"}";
    }();
    return page;
}

void BM_RtfWordsOfTenMegabytes(benchmark::State& state)
{
    const std::u16string& rtf = RtfPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(richtext::PlainText(richtext::ReadRtf(rtf, richtext::Pictures::Leave)));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size() * sizeof(char16_t)));
}
BENCHMARK(BM_RtfWordsOfTenMegabytes)->Unit(benchmark::kMillisecond);

void BM_SevenBitRtfOfTenMegabytes(benchmark::State& state)
{
    const std::u16string& rtf = RtfPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(text::SevenBitRtf(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size() * sizeof(char16_t)));
}
BENCHMARK(BM_SevenBitRtfOfTenMegabytes)->Unit(benchmark::kMillisecond);

// A page as people write them: paragraphs of formatted prose, a table now
// and then, scripts in their fonts, a small picture.
std::u16string FormattedPage(size_t size)
{
    bench::Prose prose(7);
    std::u16string rtf = u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                         u"{\\f1\\fnil\\fcharset204 Arial;}}{\\colortbl ;\\red200\\green0\\blue0;}\\uc1\\pard ";
    const std::u16string pieces[] = {
        u"{\\b bold} {\\i italic} {\\cf1\\ul red} \\par\r\n", u"\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\f0  \\par\r\n",
        u"\\trowd\\trgaph108\\cellx3000\\cellx6000\\cellx9000\\pard\\intbl one\\cell two\\cell three\\cell\\row\\pard\r\n",
        u"\\pard\\qc\\sb120 centred\\par\\pard ", u"{\\pict\\pngblip\\picw4\\pich4 89504e470d0a1a0a0000000d49484452}\\par\r\n"};
    for (size_t i = 0; rtf.size() < size; ++i)
        rtf += prose.Text(200) + pieces[i % 5];
    return rtf + u"}";
}

// A rich page read and written as HTML, as export does it; the peak
// memory beside the page's size.
void BM_RtfToHtml(benchmark::State& state)
{
    const std::u16string rtf = FormattedPage(static_cast<size_t>(state.range(0)) << 20);
    size_t peak = 0;
    for (auto _ : state) {
        counting_allocator::ResetPeak();
        benchmark::DoNotOptimize(richtext::WriteHtml(richtext::ReadRtf(rtf, 1252), {}));
        peak = std::max(peak, counting_allocator::PeakBytesSinceReset());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size() * sizeof(char16_t)));
    state.counters["peak/page"] = static_cast<double>(peak) / static_cast<double>(rtf.size() * sizeof(char16_t));
}
BENCHMARK(BM_RtfToHtml)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
