#pragma once
// A kit-written book read back, and a viewer's page view as the search and
// the links see it, for the Qt tests.
#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "frontends/qt/links/PageLinks.h"
#include "frontends/qt/search/PageSearch.h"
#include "model/Book.h"
#include "tests/kit/Document.h"

#include <QTextEdit>

inline model::CBook LoadedBook(const kit::BookSpec& spec)
{
    const std::vector<uint8_t> bytes = kit::WriteDocument(spec);
    docfile::MemorySource source(bytes.data(), bytes.size());
    docfile::LoadArchive archive(source, u"book.vnb");
    model::CBook book;
    book.Load(archive);
    return book;
}

// Shows a page's text in one view with the link passes run over it.
class ShownPages final : public qtviewer::SearchPages {
public:
    explicit ShownPages(const model::CBook& book) : book_(book) {}

    const model::CPage* ShownPage() const override { return shown_; }
    QTextEdit* ShownTextView() override { return shown_ ? &view : nullptr; }
    void ShowPage(const model::CPage& page) override
    {
        shown_ = &page;
        view.setPlainText(QString::fromStdU16String(std::u16string(page.Text())));
        links.Apply(*view.document());
    }
    void Show(uint32_t id) { ShowPage(*book_.FindPage(id)); }

    QTextEdit view;
    qtviewer::PageLinks links;

private:
    const model::CBook& book_;
    const model::CPage* shown_ = nullptr;
};
