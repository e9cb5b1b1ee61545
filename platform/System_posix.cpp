#include "platform/System.h"

#include <locale.h>
#include <pwd.h>
#include <unistd.h>
#include <wctype.h>

#include <cstdlib>
#include <ctime>
#include <utility>
#include <sys/time.h>

#include "platform/CodePage.h"

namespace platform {

double CurrentOleDate()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    // 25569 days separate 1899-12-30 from 1970-01-01.
    return 25569.0 + (static_cast<double>(tv.tv_sec) + tv.tv_usec / 1e6) / 86400.0;
}

std::array<uint16_t, 8> CurrentLocalSystemTime()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm tm{};
    time_t secs = tv.tv_sec;
    localtime_r(&secs, &tm);
    return {static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint16_t>(tm.tm_mon + 1),
            static_cast<uint16_t>(tm.tm_wday), static_cast<uint16_t>(tm.tm_mday),
            static_cast<uint16_t>(tm.tm_hour), static_cast<uint16_t>(tm.tm_min),
            static_cast<uint16_t>(tm.tm_sec), static_cast<uint16_t>(tv.tv_usec / 1000)};
}

std::u16string ComputerName()
{
    char name[260] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return Utf8ToWide(name);
}

std::u16string UserName()
{
    if (const char* user = std::getenv("USER"))
        return Utf8ToWide(user);
    if (const passwd* pw = getpwuid(getuid()))
        return Utf8ToWide(pw->pw_name);
    return {};
}

uint32_t WindowColour() { return 0xFFFFFF; }
uint32_t WindowTextColour() { return 0x000000; }

namespace {

// Maps each unit the way `map` maps it in the UTF-8 C locale, where one
// unit maps to one unit; surrogates stay as they are. ASCII letters from
// `asciiFirst` on move by `asciiShift` without asking the locale.
std::u16string MapUnits(std::u16string text, wint_t (*map)(wint_t, locale_t), char16_t asciiFirst, int asciiShift)
{
    static locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    for (char16_t& c : text) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        if (c < 0x80) {
            if (c >= asciiFirst && c < asciiFirst + 26)
                c = static_cast<char16_t>(c + asciiShift);
        } else if (utf8) {
            const wint_t mapped = map(c, utf8);
            if (mapped < 0x10000)
                c = static_cast<char16_t>(mapped);
        }
    }
    return text;
}

}  // namespace

std::u16string ToLower(std::u16string text) { return MapUnits(std::move(text), towlower_l, u'A', 32); }
std::u16string ToUpper(std::u16string text) { return MapUnits(std::move(text), towupper_l, u'a', -32); }

}  // namespace platform
