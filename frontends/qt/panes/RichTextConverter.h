#pragma once
// A rich text page as Qt shows it: the engine's document written into a
// QTextDocument, run by run, paragraph by paragraph, tables cell by cell,
// pictures as the document's own image resources.
#include "richtext/Document.h"

#include <QFont>
#include <QTextCursor>

class QTextDocument;
class QTextCharFormat;
class QTextBlockFormat;

namespace qtviewer {

class RichTextConverter {
public:
    // `base`: the font of text whose format names no face of its own.
    RichTextConverter(const richtext::Document& source, QTextDocument& target, const QFont& base);
    // Replaces the target's content.
    void Convert();

    // The name a picture goes by among the target's resources.
    static QString PictureName(uint32_t index);

private:
    void WriteBlocks(QTextCursor& cursor, const std::vector<richtext::Block>& blocks, size_t depth);
    void WriteParagraph(QTextCursor& cursor, const richtext::Paragraph& paragraph);
    void WriteTable(QTextCursor& cursor, const richtext::Table& table, size_t depth);
    void WritePicture(QTextCursor& cursor, uint32_t index, const QTextCharFormat& format);
    QTextCharFormat CharFormat(uint32_t index) const;
    QTextBlockFormat BlockFormat(uint32_t index) const;

    const richtext::Document& source_;
    QTextDocument& target_;
    QFont base_;
};

// Twips (1/1440 inch) as pixels of a 96-dpi screen.
qreal TwipsToPixels(int32_t twips);

}  // namespace qtviewer
