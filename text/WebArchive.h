#pragma once
// The parts of a web archive (a MIME multipart file): the HTML part a
// viewer shows, and the parts its pictures name. Plain C++: the bytes in,
// decoded parts out.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

struct ArchivePart {
    std::string type;      // lower case, without parameters: "text/html"
    std::string charset;   // lower case; empty when none is named
    std::string location;  // Content-Location, as written
    std::string id;        // Content-ID, without its angle brackets
    std::string body;      // transfer encoding undone
};

// Every part of the archive, in order; a file that is not multipart is one
// part of its own type. At most `maxParts` parts are read.
std::vector<ArchivePart> ReadWebArchive(std::string_view bytes, size_t maxParts = 4096);

// The first HTML part, else nothing.
const ArchivePart* HtmlPart(const std::vector<ArchivePart>& parts);
// The part a reference in the HTML names: "cid:ID", or its location.
const ArchivePart* PartNamed(const std::vector<ArchivePart>& parts, std::string_view reference);

// The code page a part's charset names; 0 for UTF-8, `fallback` for a
// charset this does not know or none.
unsigned CharsetCodePage(std::string_view charset, unsigned fallback);

}  // namespace text
