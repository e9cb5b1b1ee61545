// Real RTF files, written by other programs from UTF-8 texts in every
// script and from formatted documents (tests/rtfcorpus/make), read to the
// words of those texts, and the formatted ones to their tables, pictures
// and bold and italic words.
#include "platform/CodePage.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The words, one space apart: writers end lines and paragraphs differently.
std::string Words(const std::string& text)
{
    std::istringstream in(text);
    std::string words, word;
    while (in >> word)
        words += (words.empty() ? "" : " ") + word;
    return words;
}

std::string FileText(const fs::path& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST(RtfCorpus, FilesReadAsTheTextsTheyWereMadeFrom)
{
    const fs::path folder = VV_RTF_CORPUS_DIR;
    size_t files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".rtf")
            continue;
        const std::string text = FileText(folder / "texts" / (name.substr(0, name.find('.')) + ".txt"));
        // A page holds RTF as its bytes read in the narrow code page, up to
        // the first NUL (the control ends what it saves with one).
        const std::string rtf = FileText(entry.path());
        const std::u16string page = platform::AnsiToWide(rtf.substr(0, rtf.find('\0')));
        EXPECT_EQ(Words(platform::WideToUtf8(richtext::PlainText(richtext::ReadRtf(page)))), Words(text)) << name;
        ++files;
    }
    EXPECT_EQ(files, 35u);
}

// The words of a document shown bold and italic, and its cells and pictures.
struct Shape {
    std::multiset<std::string> bold, italic;
    size_t cells = 0;
    size_t pictures = 0;
    size_t links = 0;
};

void Count(const richtext::Document& doc, const std::vector<richtext::Block>& blocks, Shape& shape)
{
    for (const richtext::Block& block : blocks) {
        if (block.kind == richtext::Block::Kind::Table) {
            for (const richtext::Row& row : doc.tables[block.index].rows)
                for (const richtext::Cell& cell : row.cells) {
                    ++shape.cells;
                    Count(doc, cell.blocks, shape);
                }
            continue;
        }
        const richtext::Paragraph& p = doc.paragraphs[block.index];
        for (uint32_t r = p.firstRun; r < p.endRun; ++r) {
            const richtext::Run& run = doc.runs[r];
            const richtext::CharFormat& format = doc.formats[run.format];
            shape.pictures += run.picture != richtext::kNone;
            shape.links += run.link != richtext::kNone;
            std::istringstream words(platform::WideToUtf8(std::u16string_view(doc.text).substr(run.start, run.end - run.start)));
            for (std::string word; words >> word;) {
                if (format.bold)
                    shape.bold.insert(word);
                if (format.italic)
                    shape.italic.insert(word);
            }
        }
    }
}

TEST(RtfCorpus, FormattedFilesKeepTheirTablesPicturesAndEmphasis)
{
    using Words = std::multiset<std::string>;
    const struct {
        const char* file;
        Words bold, italic;
        size_t cells, pictures, links;
    } cases[] = {
        {"formatted-md.pandoc.rtf", {"Garden", "diary", "Beds", "bold", "both", "at", "once", "emphasis"},
         {"italic", "both", "at", "once"}, 9, 0, 1},
        {"formatted-tex.latex2rtf.rtf", {"1", "Garden", "diary", "bold", "both", "at", "once"},
         {"italic", "both", "at", "once"}, 9, 0, 0},
        {"formatted-html.lo.rtf", {"Garden", "diary", "bold", "both", "at", "once", "Bed", "Spring", "Summer"},
         {"italic", "both", "at", "once"}, 9, 1, 1},
    };
    for (const auto& c : cases) {
        const std::string rtf = FileText(fs::path(VV_RTF_CORPUS_DIR) / c.file);
        const richtext::Document doc = richtext::ReadRtf(platform::NarrowToWide(rtf, 1252), 1252);
        Shape shape;
        Count(doc, doc.body, shape);
        EXPECT_EQ(shape.bold, c.bold) << c.file;
        EXPECT_EQ(shape.italic, c.italic) << c.file;
        EXPECT_EQ(shape.cells, c.cells) << c.file;
        EXPECT_EQ(shape.pictures, c.pictures) << c.file;
        EXPECT_EQ(shape.links, c.links) << c.file;
    }
}

}  // namespace
