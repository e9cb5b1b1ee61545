#pragma once
// The control words the reader acts on, looked up once per word.
#include <cstdint>
#include <string_view>

namespace richtext {

enum class Word : uint8_t {
    Unknown,
    // Destinations
    FontTable, ColorTable, Picture, Object, Result, Field, FieldInstruction, FieldResult, ShapePicture,
    NestTableProperties, Skipped,
    // Text
    Par, Line, Section, Page, Tab, Cell, NestCell, Row, NestRow, Unicode, UnicodeSkip, Binary,
    // Code pages and fonts
    Font, FamilyRoman, FamilySwiss, FamilyModern, FamilyScript, FamilyDecorative, FontCharset, FontCodePage, DefaultFont, AnsiCodePage, Mac, Pc, Pca,
    // Character format
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Super, Sub, NoSuperSub, Up, Down, FontSize, Color,
    Highlight, Background, Hidden,
    // Colour table
    Red, Green, Blue,
    // Paragraph format
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent, SpaceBefore,
    SpaceAfter, LineSpacing, LineMultiple, TabStop, InTable, TableLevel,
    // Rows and cells
    RowDefault, RowLeft, RowGap, RowCenter, RowRight, CellRight, CellMergeFirst, CellMerge, CellVMergeFirst,
    CellVMerge, CellShading, CellAlignTop, CellAlignCenter, CellAlignBottom, CellBorderTop, CellBorderLeft,
    CellBorderBottom, CellBorderRight, RowBorder, BorderNone, BorderStyle, BorderWidth, BorderColor,
    // Pictures
    PngBlip, JpegBlip, DibBitmap, DeviceBitmap, Metafile, EmfBlip, OtherPicture, PicWidth, PicHeight,
    PicGoalWidth, PicGoalHeight, PicScaleX, PicScaleY, BitsPerPixel, Planes, WidthBytes,
};

Word LookUpWord(std::u16string_view name);

}  // namespace richtext
