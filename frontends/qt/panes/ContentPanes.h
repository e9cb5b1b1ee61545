#pragma once
// The content side of the viewer: one of three views shows at a time. Rich
// text pages and the information page go to the rich view, plain text to
// the plain view in the user's font, HTML pages and web archives to the
// HTML view.
#include <QStackedWidget>

#include <cstdint>
#include <optional>
#include <string>

class QPlainTextEdit;
class QTextBrowser;

namespace model {
class CPage;
struct CArchiveVersion;
}  // namespace model

namespace qtviewer {

class SafeHtmlBrowser;

class ContentPanes : public QStackedWidget {
    Q_OBJECT
public:
    explicit ContentPanes(QWidget* parent = nullptr);

    // The document's information, centred, in the rich view.
    void ShowInformation(const model::CArchiveVersion& documentVersion);
    void Show(const model::CPage& page);
    // The page shown, if any; none while the information shows.
    std::optional<uint32_t> ShownPageId() const { return shownPageId_; }

    void Copy();
    void SelectAll();
    void SetWordWrap(bool wrap);
    // Colours and the plain view's font, from the settings.
    void ApplySettings();

    QTextBrowser* RichView() const { return rich_; }
    QPlainTextEdit* PlainView() const { return plain_; }
    SafeHtmlBrowser* HtmlView() const { return html_; }

Q_SIGNALS:
    // A page went into one of the views (after it is filled).
    void PageShown(uint32_t pageId);

private:
    void ShowRich(const model::CPage& page);
    void ShowPlain(const model::CPage& page);

    QTextBrowser* rich_;
    QPlainTextEdit* plain_;
    SafeHtmlBrowser* html_;
    std::optional<uint32_t> shownPageId_;
};

// Where the caret goes on a page: its end, its start, or the stored place,
// within a text of `length` characters.
int CaretPosition(const model::CPage& page, int length);

// The heading of the information page: the product's version, its build
// date and what it is.
std::u16string InformationPageText(const model::CArchiveVersion& documentVersion);

}  // namespace qtviewer
