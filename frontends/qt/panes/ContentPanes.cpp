#include "frontends/qt/panes/ContentPanes.h"

#include "core/panes/CaretPlace.h"
#include "core/panes/InformationText.h"
#include "frontends/qt/panes/RichTextConverter.h"
#include "frontends/qt/panes/SafeHtmlBrowser.h"
#include "frontends/qt/viewer/Settings.h"
#include "model/Page.h"
#include "model/Records.h"
#include "richtext/RtfReader.h"
#include "resources/Version.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include <algorithm>

namespace qtviewer {
namespace {

// The date this was built, as the compiler writes it ("Dec  6 2026").
constexpr char kBuildDate[] = __DATE__;
constexpr char16_t kDescription[] = u"Vornbook notebook viewer for the Lister";
constexpr int kBasePointSize = 10;

// The face of the desktop's font at a size meant for reading.
QFont BaseFont()
{
    QFont font = QApplication::font();
    font.setPointSize(kBasePointSize);
    return font;
}

// The user's font for plain pages; the base font until one is chosen.
QFont EditFont()
{
    const core::CharFormatRecord& record = Settings().editFont;
    QFont font = BaseFont();
    if (record.size == 0)
        return font;
    if ((record.mask & core::kCfmFace) && record.faceName[0]) {
        const auto end = std::find(record.faceName.begin(), record.faceName.end(), u'\0');
        font.setFamily(QString::fromUtf16(record.faceName.data(), static_cast<int>(end - record.faceName.begin())));
    }
    if ((record.mask & core::kCfmSize) && record.height > 0)
        font.setPointSizeF(record.height / 20.0);
    if (record.mask & core::kCfmBold)
        font.setBold((record.effects & core::kCfmBold) != 0);
    if (record.mask & core::kCfmItalic)
        font.setItalic((record.effects & core::kCfmItalic) != 0);
    if (record.mask & core::kCfmUnderline)
        font.setUnderline((record.effects & core::kCfmUnderline) != 0);
    if (record.mask & core::kCfmStrikeOut)
        font.setStrikeOut((record.effects & core::kCfmStrikeOut) != 0);
    return font;
}

void SetColours(QWidget* view)
{
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, ToQColor(Settings().textBackColour));
    palette.setColor(QPalette::Text, ToQColor(Settings().textColour));
    view->setPalette(palette);
}

template <typename View>
void PlaceCaret(View* view, const model::CPage& page)
{
    QTextCursor cursor = view->textCursor();
    cursor.setPosition(CaretPosition(page, view->document()->characterCount() - 1));
    view->setTextCursor(cursor);
    view->ensureCursorVisible();
}

}  // namespace

int CaretPosition(const model::CPage& page, int length)
{
    const core::CaretPlace place = core::PageCaret(page);
    length = std::max(length, 0);
    return place.atEnd ? length : static_cast<int>(std::min<uint64_t>(place.position, static_cast<uint64_t>(length)));
}

std::u16string InformationPageText(const model::CArchiveVersion& documentVersion)
{
    const core::Heading heading{core::HeadingTitle(u"" VV_VERSION_TEXT, kBuildDate), kDescription};
    return core::InformationText(heading, documentVersion);
}

ContentPanes::ContentPanes(QWidget* parent)
    : QStackedWidget(parent), rich_(new QTextBrowser(this)), plain_(new QPlainTextEdit(this)), html_(new SafeHtmlBrowser(this))
{
    rich_->setOpenLinks(false);
    rich_->setOpenExternalLinks(false);
    rich_->setUndoRedoEnabled(false);
    plain_->setReadOnly(true);
    plain_->setUndoRedoEnabled(false);
    for (QWidget* view : {static_cast<QWidget*>(rich_), static_cast<QWidget*>(plain_), static_cast<QWidget*>(html_)})
        addWidget(view);
    ApplySettings();
    setCurrentWidget(rich_);
}

void ContentPanes::ApplySettings()
{
    for (QWidget* view : {static_cast<QWidget*>(rich_), static_cast<QWidget*>(plain_), static_cast<QWidget*>(html_)})
        SetColours(view);
    plain_->setFont(EditFont());
}

void ContentPanes::ShowInformation(const model::CArchiveVersion& documentVersion)
{
    shownPageId_.reset();
    QString text = QString::fromStdU16String(InformationPageText(documentVersion));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    rich_->document()->clear();
    rich_->document()->setDefaultFont(BaseFont());
    rich_->setPlainText(text);
    QTextCursor all(rich_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    setCurrentWidget(rich_);
}

void ContentPanes::Show(const model::CPage& page)
{
    shownPageId_ = page.Id();
    if (page.IsWebArchive()) {
        html_->ShowWebArchive(page.Text());
        setCurrentWidget(html_);
    } else if (page.IsHtmlType()) {
        html_->ShowHtml(page.Text());
        setCurrentWidget(html_);
    } else if (page.IsRichText()) {
        ShowRich(page);
    } else {
        ShowPlain(page);
    }
    Q_EMIT PageShown(page.Id());
}

void ContentPanes::ShowRich(const model::CPage& page)
{
    const richtext::Document document = richtext::ReadRtf(page.Text());
    RichTextConverter(document, *rich_->document(), BaseFont()).Convert();
    PlaceCaret(rich_, page);
    setCurrentWidget(rich_);
}

void ContentPanes::ShowPlain(const model::CPage& page)
{
    const std::u16string text = page.Text();
    plain_->setPlainText(QString::fromStdU16String(text));
    PlaceCaret(plain_, page);
    setCurrentWidget(plain_);
}

void ContentPanes::Copy()
{
    if (currentWidget() == plain_)
        plain_->copy();
    else if (currentWidget() == html_)
        html_->copy();
    else
        rich_->copy();
}

void ContentPanes::SelectAll()
{
    if (currentWidget() == plain_)
        plain_->selectAll();
    else if (currentWidget() == html_)
        html_->selectAll();
    else
        rich_->selectAll();
}

void ContentPanes::SetWordWrap(bool wrap)
{
    rich_->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    plain_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

}  // namespace qtviewer
