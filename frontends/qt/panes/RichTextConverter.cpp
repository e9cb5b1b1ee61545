#include "frontends/qt/panes/RichTextConverter.h"

#include "frontends/qt/panes/PictureImage.h"
#include "richtext/Limits.h"

#include <QImage>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace qtviewer {
namespace {

using richtext::Align;
using richtext::Block;
using richtext::kAutoColor;
using richtext::kNone;

QColor FromRgb(uint32_t rgb) { return QColor(static_cast<QRgb>(rgb)); }

Qt::Alignment ToAlignment(Align align)
{
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Justify: return Qt::AlignJustify;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// A soft line break stays inside its paragraph; a vertical tab is one too.
QString RunText(std::u16string_view text)
{
    QString out = QString::fromUtf16(text.data(), static_cast<int>(text.size()));
    out.replace(QChar(u'\v'), QChar::LineSeparator);
    out.replace(QChar(u'\n'), QChar::LineSeparator);
    out.replace(QChar(u'\r'), QChar::LineSeparator);
    return out;
}

// What a picture Qt cannot draw (a metafile) shows: a framed box its size.
QImage PlaceholderImage(int width, int height)
{
    QImage box(std::max(width, 8), std::max(height, 8), QImage::Format_ARGB32);
    box.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&box);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, box.width() - 1, box.height() - 1);
    return box;
}

}  // namespace

qreal TwipsToPixels(int32_t twips) { return twips / 15.0; }

RichTextConverter::RichTextConverter(const richtext::Document& source, QTextDocument& target, const QFont& base)
    : source_(source), target_(target), base_(base)
{
}

QString RichTextConverter::PictureName(uint32_t index) { return QStringLiteral("vornview-picture:%1").arg(index); }

void RichTextConverter::Convert()
{
    target_.clear();
    target_.setDefaultFont(base_);
    QTextCursor cursor(&target_);
    cursor.beginEditBlock();
    WriteBlocks(cursor, source_.body, 0);
    cursor.endEditBlock();
}

// The cursor starts in an empty block of its own; each paragraph after the
// first opens the next block, and a table leaves the cursor in the block
// after it.
void RichTextConverter::WriteBlocks(QTextCursor& cursor, const std::vector<Block>& blocks, size_t depth)
{
    bool fresh = true;
    for (const Block& block : blocks) {
        if (block.kind == Block::Kind::Paragraph) {
            if (block.index >= source_.paragraphs.size())
                continue;
            if (!fresh)
                cursor.insertBlock();
            WriteParagraph(cursor, source_.paragraphs[block.index]);
        } else {
            if (block.index >= source_.tables.size() || depth >= richtext::kMaxTableDepth)
                continue;
            if (!fresh)
                cursor.insertBlock();
            WriteTable(cursor, source_.tables[block.index], depth + 1);
        }
        fresh = block.kind == Block::Kind::Table;
    }
}

void RichTextConverter::WriteParagraph(QTextCursor& cursor, const richtext::Paragraph& paragraph)
{
    cursor.setBlockFormat(BlockFormat(paragraph.format));
    const uint32_t endRun = std::min<uint32_t>(paragraph.endRun, static_cast<uint32_t>(source_.runs.size()));
    for (uint32_t r = paragraph.firstRun; r < endRun; ++r) {
        const richtext::Run& run = source_.runs[r];
        QTextCharFormat format = CharFormat(run.format);
        if (run.link != kNone && run.link < source_.links.size()) {
            format.setAnchor(true);
            format.setAnchorHref(QString::fromStdU16String(source_.links[run.link]));
        }
        if (run.picture != kNone && run.picture < source_.pictures.size()) {
            WritePicture(cursor, run.picture, format);
            continue;
        }
        if (run.end <= run.start || run.end > source_.text.size())
            continue;
        const std::u16string_view text(source_.text.data() + run.start, run.end - run.start);
        cursor.insertText(RunText(text), format);
    }
}

void RichTextConverter::WriteTable(QTextCursor& cursor, const richtext::Table& table, size_t depth)
{
    if (table.rows.empty())
        return;
    size_t columns = 0;
    for (const richtext::Row& row : table.rows)
        columns = std::max(columns, row.cells.size());
    if (columns == 0)
        return;

    const richtext::Row& first = table.rows.front();
    QTextTableFormat format;
    format.setCellSpacing(0);
    format.setCellPadding(std::max<qreal>(TwipsToPixels(first.gap), 2));
    format.setAlignment(ToAlignment(first.align));
    format.setLeftMargin(std::max<qreal>(TwipsToPixels(first.left), 0));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(0);
    QVector<QTextLength> widths;
    int32_t left = 0;
    for (const richtext::Cell& cell : first.cells) {
        const int32_t width = cell.format.right - left;
        widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, TwipsToPixels(width))
                                : QTextLength(QTextLength::VariableLength, 0));
        left = std::max(left, cell.format.right);
    }
    while (widths.size() < static_cast<int>(columns))
        widths.append(QTextLength(QTextLength::VariableLength, 0));
    format.setColumnWidthConstraints(widths);

    QTextTable* made = cursor.insertTable(static_cast<int>(table.rows.size()), static_cast<int>(columns), format);
    qreal border = 0;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const richtext::Row& row = table.rows[r];
        for (size_t c = 0; c < row.cells.size(); ++c) {
            const richtext::Cell& cell = row.cells[c];
            QTextTableCell place = made->cellAt(static_cast<int>(r), static_cast<int>(c));
            QTextTableCellFormat cellFormat = place.format().toTableCellFormat();
            if (cell.format.shading != kAutoColor)
                cellFormat.setBackground(FromRgb(cell.format.shading));
            cellFormat.setVerticalAlignment(cell.format.verticalAlign == 1   ? QTextCharFormat::AlignMiddle
                                            : cell.format.verticalAlign == 2 ? QTextCharFormat::AlignBottom
                                                                             : QTextCharFormat::AlignTop);
            place.setFormat(cellFormat);
            for (const richtext::Border* edge :
                 {&cell.format.top, &cell.format.left, &cell.format.bottom, &cell.format.rightBorder})
                border = std::max(border, edge->width > 0 ? std::max<qreal>(TwipsToPixels(edge->width), 1) : 0);
            QTextCursor inCell = place.firstCursorPosition();
            WriteBlocks(inCell, cell.blocks, depth);
        }
    }
    if (border > 0) {
        format.setBorder(border);
        format.setBorderBrush(QColor(Qt::black));
        made->setFormat(format);
    }
    // Merged cells, once their text is in: each run of cells that follow a
    // first one across, and down.
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const richtext::Row& row = table.rows[r];
        for (size_t c = 0; c < row.cells.size(); ++c) {
            const richtext::CellFormat& cell = row.cells[c].format;
            if (cell.mergeFirst) {
                size_t span = 1;
                while (c + span < row.cells.size() && row.cells[c + span].format.mergeNext)
                    ++span;
                if (span > 1)
                    made->mergeCells(static_cast<int>(r), static_cast<int>(c), 1, static_cast<int>(span));
            }
            if (cell.vMergeFirst) {
                size_t span = 1;
                while (r + span < table.rows.size() && c < table.rows[r + span].cells.size() &&
                       table.rows[r + span].cells[c].format.vMergeNext)
                    ++span;
                if (span > 1)
                    made->mergeCells(static_cast<int>(r), static_cast<int>(c), static_cast<int>(span), 1);
            }
        }
    }
    cursor = made->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// Pictures Qt reads (PNG, JPEG, BMP) as they are; metafiles as a box of
// their size.
void RichTextConverter::WritePicture(QTextCursor& cursor, uint32_t index, const QTextCharFormat& around)
{
    const richtext::Picture& picture = source_.pictures[index];
    const int width = static_cast<int>(std::clamp<qreal>(TwipsToPixels(picture.width), 0, kMaxShownSide));
    const int height = static_cast<int>(std::clamp<qreal>(TwipsToPixels(picture.height), 0, kMaxShownSide));
    QImage image = DecodePicture(picture.bytes.data(), picture.bytes.size());
    if (image.isNull())
        image = PlaceholderImage(width, height);
    const QString name = PictureName(index);
    target_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.merge(around);
    format.setName(name);
    if (width > 0 && height > 0) {
        format.setWidth(width);
        format.setHeight(height);
    }
    cursor.insertImage(format);
}

QTextCharFormat RichTextConverter::CharFormat(uint32_t index) const
{
    QTextCharFormat format;
    if (index >= source_.formats.size())
        return format;
    const richtext::CharFormat& source = source_.formats[index];
    if (source.font != kNone && source.font < source_.fonts.size() && !source_.fonts[source.font].name.empty())
        format.setFontFamilies({QString::fromStdU16String(source_.fonts[source.font].name)});
    if (source.halfPoints > 0)
        format.setFontPointSize(source.halfPoints / 2.0);
    format.setFontWeight(source.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(source.italic);
    format.setFontUnderline(source.underline);
    format.setFontStrikeOut(source.strike);
    if (source.baseline == richtext::Baseline::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (source.baseline == richtext::Baseline::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (source.color != kAutoColor)
        format.setForeground(FromRgb(source.color));
    if (source.background != kAutoColor)
        format.setBackground(FromRgb(source.background));
    return format;
}

QTextBlockFormat RichTextConverter::BlockFormat(uint32_t index) const
{
    QTextBlockFormat format;
    if (index >= source_.paraFormats.size())
        return format;
    const richtext::ParaFormat& source = source_.paraFormats[index];
    format.setAlignment(ToAlignment(source.align));
    format.setLeftMargin(std::max<qreal>(TwipsToPixels(source.leftIndent), 0));
    format.setRightMargin(std::max<qreal>(TwipsToPixels(source.rightIndent), 0));
    format.setTextIndent(TwipsToPixels(source.firstIndent));
    format.setTopMargin(std::max<qreal>(TwipsToPixels(source.spaceBefore), 0));
    format.setBottomMargin(std::max<qreal>(TwipsToPixels(source.spaceAfter), 0));
    if (source.lineMultiple && source.lineSpacing > 0)
        format.setLineHeight(source.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (source.lineSpacing > 0)
        format.setLineHeight(TwipsToPixels(source.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (source.lineSpacing < 0)
        format.setLineHeight(TwipsToPixels(-source.lineSpacing), QTextBlockFormat::FixedHeight);
    QList<QTextOption::Tab> tabs;
    for (size_t i = 0; i < source.tabCount && i < source.tabs.size(); ++i)
        tabs.append(QTextOption::Tab(TwipsToPixels(source.tabs[i]), QTextOption::LeftTab));
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    return format;
}

}  // namespace qtviewer
