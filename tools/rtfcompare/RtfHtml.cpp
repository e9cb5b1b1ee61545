// rtfhtml [--text] FILE: the RTF file as the engine's HTML (or its words)
// on standard output. The file's bytes are read as a page holds them:
// widened in code page 1252, up to a NUL.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/CodePage.h"
#include "richtext/HtmlWriter.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"

int main(int argc, char** argv)
{
    const bool text = argc == 3 && std::string(argv[1]) == "--text";
    if (argc != 2 && !text) {
        std::cerr << "usage: rtfhtml [--text] FILE\n";
        return 1;
    }
    std::ifstream in(argv[argc - 1], std::ios::binary);
    if (!in) {
        std::cerr << "rtfhtml: cannot read " << argv[argc - 1] << "\n";
        return 2;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string rtf = bytes.str();
    const richtext::Document document = richtext::ReadRtf(platform::NarrowToWide(rtf.substr(0, rtf.find('\0')), 1252), 1252);
    std::cout << (text ? platform::WideToUtf8(richtext::PlainText(document)) : richtext::WriteHtml(document, {}));
    return 0;
}
