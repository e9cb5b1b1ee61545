#include "frontends/qt/search/PageSearch.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qtviewer {
namespace {

// Either kind of text view, as the search reads and moves it.
class TextView {
public:
    explicit TextView(QWidget* view)
        : rich_(qobject_cast<QTextEdit*>(view)), plain_(rich_ ? nullptr : qobject_cast<QPlainTextEdit*>(view))
    {
    }
    explicit operator bool() const { return rich_ || plain_; }
    QTextDocument* Document() const { return rich_ ? rich_->document() : plain_->document(); }
    QTextCursor Cursor() const { return rich_ ? rich_->textCursor() : plain_->textCursor(); }
    void SetCursor(const QTextCursor& cursor)
    {
        if (rich_) {
            rich_->setTextCursor(cursor);
            rich_->ensureCursorVisible();
        } else {
            plain_->setTextCursor(cursor);
            plain_->ensureCursorVisible();
        }
    }

private:
    QTextEdit* rich_;
    QPlainTextEdit* plain_;
};

// The view's document holds what the reader sees: the link passes took out
// what they hide, so the visible text is the whole text.
class TextViewSearch final : public core::SearchView {
public:
    explicit TextViewSearch(SearchPages& pages) : pages_(pages) {}

    const model::CPage* ShownPage() const override { return pages_.ShownPage(); }

    std::optional<core::VisibleText> ShownText() override
    {
        const TextView view(pages_.ShownTextView());
        if (!view)
            return std::nullopt;
        return core::VisibleText(view.Document()->toRawText().toStdU16String(), {});
    }

    core::TextRange Selection() const override
    {
        const TextView view(pages_.ShownTextView());
        if (!view)
            return {};
        const QTextCursor cursor = view.Cursor();
        return {static_cast<size_t>(cursor.selectionStart()), static_cast<size_t>(cursor.selectionEnd())};
    }

    void Select(const core::TextMatch& match) override
    {
        TextView view(pages_.ShownTextView());
        if (!view)
            return;
        QTextCursor cursor(view.Document());
        cursor.setPosition(static_cast<int>(match.start));
        cursor.setPosition(static_cast<int>(match.start + match.length), QTextCursor::KeepAnchor);
        view.SetCursor(cursor);
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
