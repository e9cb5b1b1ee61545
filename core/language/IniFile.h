#pragma once
// Reading INI text as the Windows profile functions read it, so that the
// language files behave the same on every platform.
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace core {

class IniFile {
public:
    // The values a profile read returns at most.
    static constexpr size_t kMaxValue = 259;

    // UTF-16 with a byte order mark (either order), UTF-8 with one, else the
    // narrow code page. Lines are "[section]", "key=value" or comments (";").
    static IniFile Parse(std::span<const uint8_t> bytes);

    // Section and key names compare without regard to case; of several
    // equal sections or keys only the first counts. The value is trimmed of blanks,
    // loses one pair of enclosing quotes, and is cut to kMaxValue
    // characters. Missing: empty.
    std::u16string Get(std::u16string_view section, std::u16string_view key) const;

private:
    // Folded section name -> folded key -> value.
    std::map<std::u16string, std::map<std::u16string, std::u16string>> sections_;
};

}  // namespace core
