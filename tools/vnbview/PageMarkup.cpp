#include "tools/vnbview/PageMarkup.h"

#include <algorithm>
#include <utility>
#include <unordered_map>
#include <vector>

#include "core/links/LinkTarget.h"
#include "core/links/Links.h"
#include "platform/Ascii.h"

namespace vnbview {
namespace {

// The passes over a text no control shows: what they hide and mark is kept.
class MarkupRecorder final : public core::LinkText {
public:
    // The passes read a paragraph end as the control's "\r".
    explicit MarkupRecorder(std::u16string_view text) : text_(text), hidden_(text.size() + 1, false)
    {
        for (char16_t& c : text_)
            if (c == u'\n' || c == u'\x2028')
                c = u'\r';
        text_ += u'\r';
    }

    const std::u16string& Text() override { return text_; }
    int32_t FirstHidden(int32_t start, int32_t end) override
    {
        while (start < end && !IsHidden(start))
            ++start;
        return start;
    }
    int32_t AfterLastHidden(int32_t start, int32_t end) override
    {
        while (end > start && !IsHidden(end - 1))
            --end;
        return end;
    }
    void Hide(int32_t start, int32_t end, bool) override
    {
        if (start < 0 || end <= start)
            return;
        hides_.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end)});
        for (auto at = static_cast<size_t>(start); at < std::min(static_cast<size_t>(end), hidden_.size()); ++at)
            hidden_[at] = true;
    }
    void MarkLink(int32_t start, int32_t end) override
    {
        if (start >= 0 && end > start)
            links_.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end)});
    }

    std::vector<richtext::TextSpan> TakeLinks() { return std::exchange(links_, {}); }
    const std::vector<richtext::TextSpan>& Hides() const { return hides_; }

private:
    bool IsHidden(int32_t at) const { return at >= 0 && static_cast<size_t>(at) < hidden_.size() && hidden_[at]; }

    std::u16string text_;
    std::vector<bool> hidden_;
    std::vector<richtext::TextSpan> hides_;
    std::vector<richtext::TextSpan> links_;
};

}  // namespace

void AddPageMarkup(std::u16string_view text, const PageUrl& pageUrl, richtext::HtmlPage& page)
{
    MarkupRecorder recorder(text);
    const auto inText = [&](richtext::TextSpan span) {
        span.end = std::min<uint32_t>(span.end, static_cast<uint32_t>(text.size()));
        return span;
    };
    core::HideBookmarks(recorder);
    core::MarkExternalLinks(recorder);
    std::vector<richtext::TextSpan> external = recorder.TakeLinks();
    const size_t hidesBefore = recorder.Hides().size();
    core::MarkPageLinks(recorder);
    const std::vector<richtext::TextSpan> captions = recorder.TakeLinks();
    core::MarkAddresses(recorder);
    const std::vector<richtext::TextSpan> addresses = recorder.TakeLinks();

    // A caption follows its marker's head, which the pass hid.
    std::unordered_map<uint32_t, uint32_t> headStartByEnd;
    for (size_t i = hidesBefore; i < recorder.Hides().size(); ++i)
        headStartByEnd.emplace(recorder.Hides()[i].end, recorder.Hides()[i].start);
    for (const richtext::TextSpan& caption : captions) {
        const auto head = headStartByEnd.find(caption.start);
        if (head == headStartByEnd.end())
            continue;
        const std::optional<uint32_t> id = core::MarkerHeadPage(text.substr(head->second, caption.start - head->second));
        if (const std::optional<std::string> url = id ? pageUrl(*id) : std::nullopt)
            page.links.push_back({inText(caption), *url});
    }
    external.insert(external.end(), addresses.begin(), addresses.end());
    for (const richtext::TextSpan& span : external) {
        const richtext::TextSpan kept = inText(span);
        if (kept.end <= kept.start)
            continue;
        const core::ShellLink link =
            core::DecideShellLink(text.substr(kept.start, kept.end - kept.start));
        if (const std::optional<std::string> href = link.ask ? std::nullopt : richtext::SafeHref(link.target))
            page.links.push_back({kept, *href});
    }
    for (const richtext::TextSpan& span : recorder.Hides())
        page.hidden.push_back(inText(span));
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
