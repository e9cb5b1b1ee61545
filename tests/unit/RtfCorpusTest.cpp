// Real RTF files, written by other programs from UTF-8 texts in every
// script (tests/rtfcorpus/make), read to the words of those texts.
#include "components/RtfPlainText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The words, one space between them: line ends and paragraph ends differ
// from writer to writer.
std::string Words(std::string_view text)
{
    std::string words;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank)
            words += c;
        else if (!words.empty() && words.back() != ' ')
            words += ' ';
    }
    if (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

TEST(RtfCorpus, FilesReadAsTheTextsTheyWereMadeFrom)
{
    const fs::path folder = VV_RTF_CORPUS_DIR;
    size_t files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".rtf")
            continue;
        const std::string name = entry.path().filename().string();
        const std::string text = FileBytes(folder / "texts" / (name.substr(0, name.find('.')) + ".txt"));
        ASSERT_FALSE(text.empty()) << name;
        // A page holds RTF as its bytes read in the narrow code page, up to
        // the first NUL (the control ends what it saves with one).
        std::string bytes = FileBytes(entry.path());
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        const std::u16string rtf = platform::AnsiToWide(bytes);
        EXPECT_EQ(Words(platform::WideToUtf8(components::RtfToPlainText(rtf))), Words(text)) << name;
        ++files;
    }
    EXPECT_EQ(files, 31u);
}

}  // namespace
