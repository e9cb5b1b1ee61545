#include "frontends/qt/search/PageSearch.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace qtviewer {
namespace {

// The view's document holds what the reader sees: the link passes took out
// what they hide, so the visible text is the whole text.
class TextViewSearch final : public core::SearchView {
public:
    explicit TextViewSearch(SearchPages& pages) : pages_(pages) {}

    const model::CPage* ShownPage() const override { return pages_.ShownPage(); }

    std::optional<core::VisibleText> ShownText() override
    {
        QTextEdit* view = pages_.ShownTextView();
        if (!view)
            return std::nullopt;
        return core::VisibleText(view->document()->toRawText().toStdU16String(), {});
    }

    core::TextRange Selection() const override
    {
        QTextEdit* view = pages_.ShownTextView();
        if (!view)
            return {};
        const QTextCursor cursor = view->textCursor();
        return {static_cast<size_t>(cursor.selectionStart()), static_cast<size_t>(cursor.selectionEnd())};
    }

    void Select(const core::TextMatch& match) override
    {
        QTextEdit* view = pages_.ShownTextView();
        if (!view)
            return;
        QTextCursor cursor(view->document());
        cursor.setPosition(static_cast<int>(match.start));
        cursor.setPosition(static_cast<int>(match.start + match.length), QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
        view->ensureCursorVisible();
    }

    void ShowPage(const model::CPage& page) override { pages_.ShowPage(page); }

private:
    SearchPages& pages_;
};

}  // namespace

bool PageSearch::Find(SearchPages& pages, std::u16string_view pattern, int hostFlags)
{
    TextViewSearch view(pages);
    return round_.Find(view, pattern, hostFlags);
}

}  // namespace qtviewer
