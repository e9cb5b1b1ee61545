#include "core/language/IniFile.h"

#include "platform/Ascii.h"
#include "platform/CodePage.h"


namespace core {
namespace {

std::u16string Decode(std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 2 && (bytes[0] == 0xFF || bytes[0] == 0xFE) && bytes[0] + bytes[1] == 0xFF + 0xFE) {
        const bool little = bytes[0] == 0xFF;
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(little ? bytes[i] | bytes[i + 1] << 8 : bytes[i] << 8 | bytes[i + 1]);
        return text;
    }
    const std::string_view narrow(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (narrow.starts_with("\xEF\xBB\xBF"))
        return platform::Utf8ToWide(narrow.substr(3));
    return platform::AnsiToWide(narrow);
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == u'\r'))
        text.remove_suffix(1);
    return text;
}

// Names are ASCII in practice; other letters compare as they are.
std::u16string Fold(std::u16string_view name)
{
    std::u16string folded(Trim(name));
    for (char16_t& c : folded)
        c = platform::AsciiUpper(c);
    return folded;
}

}  // namespace

IniFile IniFile::Parse(std::span<const uint8_t> bytes)
{
    IniFile file;
    const std::u16string text = Decode(bytes);
    // A later section of a name seen before is not read.
    std::map<std::u16string, std::u16string>* section = nullptr;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = Trim(std::u16string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const size_t close = line.find(u']');
            const auto [at, isNew] =
                file.sections_.try_emplace(Fold(line.substr(1, close == std::u16string_view::npos ? line.npos : close - 1)));
            section = isNew ? &at->second : nullptr;
            continue;
        }
        const size_t equals = line.find(u'=');
        if (!section || equals == std::u16string_view::npos)
            continue;
        std::u16string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        section->try_emplace(Fold(line.substr(0, equals)), value.substr(0, kMaxValue));
    }
    return file;
}

std::u16string IniFile::Get(std::u16string_view section, std::u16string_view key) const
{
    const auto found = sections_.find(Fold(section));
    if (found == sections_.end())
        return {};
    const auto value = found->second.find(Fold(key));
    return value == found->second.end() ? std::u16string() : value->second;
}

}  // namespace core
