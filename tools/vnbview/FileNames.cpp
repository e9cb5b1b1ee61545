#include "tools/vnbview/FileNames.h"

#include <array>

#include "platform/System.h"

namespace vnbview {
namespace {

bool IsReservedCharacter(char16_t c)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return true;
    switch (c) {
    case u'<': case u'>': case u':': case u'"': case u'/': case u'\\': case u'|': case u'?': case u'*':
        return true;
    default:
        return false;
    }
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
        return (last >= u'0' && last <= u'9') || last == 0xB9 || last == 0xB2 || last == 0xB3;
    }
    return false;
}

}  // namespace

std::u16string SafeStem(std::u16string_view title)
{
    std::u16string name;
    size_t bytes = 0;
    size_t start = 0;
    while (start < title.size() && IsSpace(title[start]))
        ++start;
    for (size_t i = start; i < title.size(); ++i) {
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

bool FolderNames::Used(std::u16string_view name) const { return used_.count(platform::ToLower(std::u16string(name))) != 0; }

void FolderNames::Reserve(std::u16string_view name) { used_.insert(platform::ToLower(std::u16string(name))); }

std::u16string FolderNames::Claim(const std::u16string& stem, std::u16string_view extension)
{
    std::u16string candidate = stem;
    // Many pages of one title count on from where the last one stopped
    // instead of trying every number again.
    uint64_t& number = nextNumber_[platform::ToLower(stem)];
    if (number < 2)
        number = 2;
    for (;; ++number) {
        const std::u16string file = candidate + u"." + std::u16string(extension);
        if (!Used(candidate) && (extension.empty() || !Used(file))) {
            Reserve(candidate);
            if (!extension.empty())
                Reserve(file);
            return candidate;
        }
        const std::string suffix = " (" + std::to_string(number) + ")";
        candidate = stem + std::u16string(suffix.begin(), suffix.end());
    }
}

}  // namespace vnbview
