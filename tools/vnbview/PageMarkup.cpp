#include "tools/vnbview/PageMarkup.h"

#include <algorithm>
#include <utility>
#include <unordered_map>
#include <vector>

#include "core/links/LinkTarget.h"
#include "core/links/LinkRecorder.h"
#include "core/links/Links.h"
#include "platform/Ascii.h"

namespace vnbview {
namespace {

// The text as a control holds it: every paragraph end a "\r".
std::u16string ControlText(std::u16string_view text)
{
    std::u16string control(text);
    for (char16_t& c : control)
        if (c == u'\n' || c == u'\x2028')
            c = u'\r';
    return control;
}

}  // namespace

void AddPageMarkup(std::u16string_view text, const PageUrl& pageUrl, richtext::HtmlPage& page)
{
    core::LinkRecorder recorder(ControlText(text));
    const auto inText = [&](core::TextRange range) {
        return richtext::TextSpan{static_cast<uint32_t>(range.start),
                                  static_cast<uint32_t>(std::min(range.end, text.size()))};
    };
    core::HideBookmarks(recorder);
    core::MarkExternalLinks(recorder);
    std::vector<core::TextRange> external = recorder.TakeLinks();
    const size_t hidesBefore = recorder.Hidden().size();
    core::MarkPageLinks(recorder);
    const std::vector<core::TextRange> captions = recorder.TakeLinks();
    core::MarkAddresses(recorder);
    const std::vector<core::TextRange> addresses = recorder.TakeLinks();

    // A caption follows its marker's head, which the pass hid.
    std::unordered_map<size_t, size_t> headStartByEnd;
    for (size_t i = hidesBefore; i < recorder.Hidden().size(); ++i)
        headStartByEnd.emplace(recorder.Hidden()[i].end, recorder.Hidden()[i].start);
    for (const core::TextRange& caption : captions) {
        const auto head = headStartByEnd.find(caption.start);
        if (head == headStartByEnd.end())
            continue;
        const std::optional<uint32_t> id = core::MarkerHeadPage(text.substr(head->second, caption.start - head->second));
        if (const std::optional<std::string> url = id ? pageUrl(*id) : std::nullopt)
            page.links.push_back({inText(caption), *url});
    }
    external.insert(external.end(), addresses.begin(), addresses.end());
    for (const core::TextRange& range : external) {
        const richtext::TextSpan kept = inText(range);
        if (kept.end <= kept.start)
            continue;
        const core::ShellLink link =
            core::DecideShellLink(text.substr(kept.start, kept.end - kept.start));
        if (const std::optional<std::string> href = link.ask ? std::nullopt : richtext::SafeHref(link.target))
            page.links.push_back({kept, *href});
    }
    for (const core::TextRange& range : recorder.Hidden())
        page.hidden.push_back(inText(range));
}

void CollectPageLinkTargets(std::u16string_view text, const std::function<void(uint32_t)>& add)
{
    for (size_t at = 0; at + 5 <= text.size(); ++at) {
        if (platform::AsciiLower(text[at]) != u'p' || !platform::StartsWithFolded(text.substr(at), u"page"))
            continue;
        size_t end = at + 4;
        while (end < text.size() && (platform::IsAsciiDigit(text[end]) || (end == at + 4 && text[end] == u'-')))
            ++end;
        if (const std::optional<uint32_t> id = core::MarkerHeadPage(text.substr(at, end - at)))
            add(*id);
    }
}

}  // namespace vnbview
