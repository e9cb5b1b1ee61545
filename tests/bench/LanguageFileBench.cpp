// Reading a language file of a MiB of distinct sections, each with a key,
// and looking a key up.
#include <benchmark/benchmark.h>

#include "core/language/IniFile.h"

#include <string>
#include <vector>

namespace {

void BM_LanguageFileOfAMebibyteOfSections(benchmark::State& state)
{
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i)
        text += "[S" + std::to_string(i) + "]\r\nK=" + std::to_string(i) + "\r\n";
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    for (auto _ : state) {
        const core::IniFile file = core::IniFile::Parse(bytes);
        benchmark::DoNotOptimize(file.Get(u"S1", u"K"));
    }
}
BENCHMARK(BM_LanguageFileOfAMebibyteOfSections)->Unit(benchmark::kMillisecond);

}  // namespace
