// The words of a 10 MB rich text page and its 7-bit form, as search and the
// rich text pane make them: prose in ANSI, Cyrillic and Japanese fonts,
// \uN escapes, and bytes read from narrow text.
#include <benchmark/benchmark.h>

#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "components/RtfText.h"
#include "tests/bench/BenchProse.h"

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
        benchmark::DoNotOptimize(richtext::PlainText(richtext::ReadRtf(rtf)));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size() * sizeof(char16_t)));
}
BENCHMARK(BM_RtfWordsOfTenMegabytes)->Unit(benchmark::kMillisecond);

void BM_SevenBitRtfOfTenMegabytes(benchmark::State& state)
{
    const std::u16string& rtf = RtfPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(components::SevenBitRtf(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size() * sizeof(char16_t)));
}
BENCHMARK(BM_SevenBitRtfOfTenMegabytes)->Unit(benchmark::kMillisecond);

}  // namespace
