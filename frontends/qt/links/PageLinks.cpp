#include "frontends/qt/links/PageLinks.h"

#include "core/links/LinkRecorder.h"
#include "core/links/Links.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace qtviewer {
namespace {

// Where a table or frame starts or ends the document holds a mark of its
// own; text around it may go, the mark may not.
// The anchor a marked link carries: its place in the list.
const QString kAnchorPrefix = QStringLiteral("vornview:link/");

bool IsFrameMark(char16_t c) { return c == 0xFDD0 || c == 0xFDD1 || c == 0xFDEF; }

// The document's text in its own positions, with the paragraph ends the
// passes know: a paragraph or frame mark is "\r", a line break "\v".
std::u16string PassText(const QTextDocument& document)
{
    std::u16string text = document.toRawText().toStdU16String();
    for (char16_t& c : text) {
        if (c == 0x2029 || IsFrameMark(c))
            c = u'\r';
        else if (c == 0x2028)
            c = u'\v';
    }
    return text;
}

// The runs [start, end) to take out, without frame marks, last first.
std::vector<core::TextRange> RemovableRuns(const std::u16string& raw, const std::vector<core::TextRange>& hidden)
{
    std::vector<bool> gone(raw.size(), false);
    for (const core::TextRange& range : hidden)
        for (size_t at = range.start; at < std::min(range.end, raw.size()); ++at)
            gone[at] = !IsFrameMark(raw[at]);
    std::vector<core::TextRange> runs;
    for (size_t at = 0; at < gone.size();) {
        if (!gone[at]) {
            ++at;
            continue;
        }
        const size_t start = at;
        while (at < gone.size() && gone[at])
            ++at;
        runs.push_back({start, at});
    }
    std::reverse(runs.begin(), runs.end());
    return runs;
}

}  // namespace

void PageLinks::Apply(QTextDocument& document)
{
    links_.clear();
    const std::u16string raw = document.toRawText().toStdU16String();
    core::LinkRecorder recorder(PassText(document));
    core::HideBookmarks(recorder);
    core::MarkExternalLinks(recorder);
    core::MarkPageLinks(recorder);
    core::MarkAddresses(recorder);
    std::vector<core::TextRange> marked = recorder.TakeLinks();
    std::sort(marked.begin(), marked.end(), [](const auto& a, const auto& b) { return a.start < b.start; });

    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const std::u16string& passText = recorder.Text();
    for (const core::TextRange& range : marked) {
        if (range.end > raw.size() || (!links_.empty() && static_cast<size_t>(links_.back().end) > range.start))
            continue;  // a link inside another: the first one marked shows
        ShownLink link;
        link.start = static_cast<int>(range.start);
        link.end = static_cast<int>(range.end);
        link.page = core::ResolvePageLink(passText, link.start);
        link.text = QString::fromStdU16String(raw.substr(range.start, range.end - range.start));
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorHref(kAnchorPrefix + QString::number(links_.size()));
        format.setForeground(QColor(Qt::blue));
        format.setFontUnderline(true);
        cursor.setPosition(link.start);
        cursor.setPosition(link.end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
        links_.push_back(std::move(link));
    }
    // The hidden runs go, last first, and the links move up by what went
    // before them.
    const std::vector<core::TextRange> runs = RemovableRuns(raw, recorder.Hidden());
    for (const core::TextRange& run : runs) {
        cursor.setPosition(static_cast<int>(run.start));
        cursor.setPosition(static_cast<int>(run.end), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    auto run = runs.rbegin();
    int before = 0;
    for (ShownLink& link : links_) {
        for (; run != runs.rend() && run->end <= static_cast<size_t>(link.start); ++run)
            before += static_cast<int>(run->end - run->start);
        link.start -= before;
        link.end -= before;
    }
}

const ShownLink* PageLinks::LinkOfAnchor(const QString& anchor) const
{
    if (!anchor.startsWith(kAnchorPrefix))
        return nullptr;
    bool number = false;
    const int index = anchor.mid(kAnchorPrefix.size()).toInt(&number);
    if (!number || index < 0 || static_cast<size_t>(index) >= links_.size())
        return nullptr;
    return &links_[static_cast<size_t>(index)];
}

}  // namespace qtviewer
