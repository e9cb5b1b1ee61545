#include "tools/vnbview/FileNames.h"

#include <array>
#include <utility>

#include "platform/Ascii.h"
#include "platform/System.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {
namespace {

bool IsReservedCharacter(char16_t c)
{
    if (IsControl(c))
        return true;
    switch (c) {
    case u'\u2028': case u'\u2029':  // line and paragraph separators break listings too
    case u'<': case u'>': case u':': case u'"': case u'/': case u'\\': case u'|': case u'?': case u'*':
        return true;
    default:
        return false;
    }
}

// Unicode's invisible format characters (category Cf): text direction
// overrides and isolates, zero-width characters, the byte order mark, tags.
// In a file name they hide or disguise its real letters: a right-to-left
// override shows "gnp.exe" + ".txt" as "txt.exe.png".
bool IsFormatCharacter(char32_t c)
{
    static constexpr std::array<std::pair<char32_t, char32_t>, 21> kRanges = {{
        {0x00AD, 0x00AD}, {0x0600, 0x0605}, {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F},
        {0x0890, 0x0891}, {0x08E2, 0x08E2}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
        {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}, {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    }};
    for (const auto& [first, last] : kRanges)
        if (c >= first && c <= last)
            return true;
    return false;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

bool IsSpace(char16_t c) { return c == u' ' || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200B); }

void TrimEnd(std::u16string& name)
{
    while (!name.empty() && (name.back() == u'.' || IsSpace(name.back())))
        name.pop_back();
}

// Windows opens a device, not a file, for these names with any extension.
bool IsDeviceName(const std::u16string& name)
{
    std::u16string base = platform::ToLower(name.substr(0, name.find(u'.')));
    while (!base.empty() && IsSpace(base.back()))
        base.pop_back();
    static const std::array<std::u16string_view, 7> kNames = {u"con", u"prn", u"aux", u"nul", u"conin$", u"conout$", u"clock$"};
    for (std::u16string_view device : kNames)
        if (base == device)
            return true;
    if (base.size() == 4 && (base.starts_with(u"com") || base.starts_with(u"lpt"))) {
        const char16_t last = base[3];
        return platform::IsAsciiDigit(last) || last == 0xB9 || last == 0xB2 || last == 0xB3;
    }
    return false;
}

}  // namespace

std::u16string SafeStem(std::u16string_view title)
{
    std::u16string name;
    size_t bytes = 0;
    for (size_t i = 0; i < title.size(); ++i) {
        char16_t unit = title[i];
        char32_t point = unit;
        bool pair = false;
        if (IsHighSurrogate(unit) && i + 1 < title.size() && IsLowSurrogate(title[i + 1])) {
            point = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (title[i + 1] - 0xDC00);
            pair = true;
        } else if (IsReservedCharacter(unit) || IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = u'_';
            point = u'_';
        }
        // Left out: format characters, and blanks before the first letter.
        if (IsFormatCharacter(point) || (name.empty() && IsSpace(unit))) {
            i += pair ? 1 : 0;
            continue;
        }
        if (bytes + Utf8Length(point) > kMaxStemBytes)
            break;
        bytes += Utf8Length(point);
        name += unit;
        if (pair)
            name += title[++i];
    }
    TrimEnd(name);
    if (!name.empty() && name[0] == u'.')
        name[0] = u'_';
    if (name.empty())
        name = u"Untitled";
    if (IsDeviceName(name))
        name.insert(0, 1, u'_');
    return name;
}

NameFold SystemNameFold()
{
#ifdef _WIN32
    return platform::ToUpper;
#else
    return platform::ToLower;
#endif
}

bool FolderNames::Used(std::u16string_view name) const { return used_.count(fold_(std::u16string(name))) != 0; }

void FolderNames::Reserve(std::u16string_view name) { used_.insert(fold_(std::u16string(name))); }

std::u16string FolderNames::Claim(const std::u16string& stem, std::u16string_view extension)
{
    return Claim(stem, extension, {});
}

std::u16string FolderNames::Claim(const std::u16string& stem, std::u16string_view extension,
                                  std::u16string_view alsoExtension)
{
    std::u16string candidate = stem;
    // Many pages of one title count on from where the last one stopped
    // instead of trying every number again.
    uint64_t& number = nextNumber_[fold_(stem)];
    if (number < 2)
        number = 2;
    for (;; ++number) {
        const std::u16string file = candidate + u"." + std::u16string(extension);
        const std::u16string also = candidate + u"." + std::u16string(alsoExtension);
        if (!Used(candidate) && (extension.empty() || !Used(file)) && (alsoExtension.empty() || !Used(also))) {
            Reserve(candidate);
            if (!extension.empty())
                Reserve(file);
            if (!alsoExtension.empty())
                Reserve(also);
            return candidate;
        }
        const std::string suffix = " (" + std::to_string(number) + ")";
        candidate = stem + std::u16string(suffix.begin(), suffix.end());
    }
}

}  // namespace vnbview
