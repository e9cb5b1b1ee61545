// Real RTF files, written by other programs from UTF-8 texts in every
// script (tests/rtfcorpus/make), read to the words of those texts.
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
    EXPECT_EQ(files, 31u);
}

}  // namespace
