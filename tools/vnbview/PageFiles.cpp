#include "tools/vnbview/PageFiles.h"

#include "platform/Ascii.h"
#include "text/HtmlPageFile.h"
#include "text/RtfText.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {
namespace {

constexpr std::u16string_view kMetaCharset = u"<meta charset=\"utf-8\">";

// Position of an opening tag `<name` (ASCII case-insensitive) that is not
// the start of a longer name such as <header.
size_t FindTag(std::u16string_view html, std::u16string_view name)
{
    for (size_t at = html.find(u'<'); at != std::u16string_view::npos; at = html.find(u'<', at + 1)) {
        if (html.size() - at < name.size() + 2)
            break;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = platform::AsciiLower(html[at + 1 + i]) == name[i];
        const char16_t next = html[at + 1 + name.size()];
        if (same && (next == u'>' || next == u'/' || next == u' ' || next == u'\t' || next == u'\r' || next == u'\n'))
            return at;
    }
    return std::u16string_view::npos;
}

// Just past the '>' of the tag at `at`, or npos.
size_t AfterTag(std::u16string_view html, size_t at)
{
    if (at == std::u16string_view::npos)
        return at;
    const size_t close = html.find(u'>', at);
    return close == std::u16string_view::npos ? close : close + 1;
}

}  // namespace

std::u16string WithUtf8Declaration(std::u16string_view html)
{
    // Never ahead of a doctype, which would change how the page is laid out.
    size_t insertAt = AfterTag(html, FindTag(html, u"head"));
    if (insertAt == std::u16string_view::npos)
        insertAt = AfterTag(html, FindTag(html, u"html"));
    if (insertAt == std::u16string_view::npos)
        insertAt = AfterTag(html, FindTag(html, u"!doctype"));
    if (insertAt == std::u16string_view::npos)
        insertAt = 0;
    std::u16string text;
    text.reserve(html.size() + kMetaCharset.size() + 1);
    text.append(html.substr(0, insertAt));
    text.append(kMetaCharset);
    if (insertAt == 0)
        text += u'\n';
    text.append(html.substr(insertAt));
    return text;
}

std::optional<PageFile> PageFileOf(const model::CPage& page, unsigned codePage)
{
    if (page.IsFolder())
        return std::nullopt;
    const std::u16string text = page.Text();
    using text::PageFileBytes;
    using text::PageFileKind;
    switch (page.Kind()) {
    case model::kWebArchive: return PageFile{u"mht", PageFileBytes(PageFileKind::WebArchive, text, codePage)};
    case model::kRichText: return PageFile{u"rtf", text::SevenBitRtf(text, codePage)};
    case model::kHtml: return PageFile{u"htm", PageFileBytes(PageFileKind::Html, WithUtf8Declaration(text), codePage)};
    default: return PageFile{u"txt", Utf8(text)};
    }
}

}  // namespace vnbview
