#include "core/panes/InformationText.h"

#include "model/Records.h"

namespace core {
namespace {

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }
std::u16string Number(uint32_t n) { return Ascii(std::to_string(n)); }

}  // namespace

// Commas become dots and spaces go; the build is what follows the last dot,
// and the version loses its second dot, so 1.2.3 reads 1.23.
ProductVersion SplitProductVersion(std::u16string_view productVersion)
{
    std::u16string text;
    for (char16_t c : productVersion)
        if (c != u' ')
            text += c == u',' ? u'.' : c;
    const size_t last = text.rfind(u'.');
    if (last == std::u16string::npos)
        return {text, text};
    ProductVersion split{text.substr(0, last), text.substr(last + 1)};
    const size_t first = split.version.find(u'.');
    if (first != std::u16string::npos) {
        const size_t second = split.version.find(u'.', first + 1);
        if (second != std::u16string::npos)
            split.version.erase(second, 1);
    }
    return split;
}

std::u16string HeadingTitle(std::u16string_view productVersion, std::string_view buildDate)
{
    const ProductVersion split = SplitProductVersion(productVersion);
    return u"Vorn View " + split.version + u" build " + split.build + u" [" + Ascii(buildDate) + u"]";
}

// The two minor numbers are written one after the other: 2, 1, 5 reads 2.15.
std::u16string InformationText(const Heading& heading, const model::CArchiveVersion& v)
{
    const std::u16string documentLine = u"The document created by Vornbook " + Number(v.major) + u"." +
                                        Number(v.minor) + Number(v.release) + u" build " + Number(v.build);
    return heading.title + u"\n" + heading.description + u"\n\n" + documentLine +
           u" This is the text about version Vorn View. Select node on tree pane for data viewing.\n\n";
}

}  // namespace core
