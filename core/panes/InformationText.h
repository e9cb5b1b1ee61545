#pragma once
// The words of the information page, apart from the window that shows them.
#include <string>
#include <string_view>

namespace model {
struct CArchiveVersion;
}

namespace core {

struct ProductVersion {
    std::u16string version;
    std::u16string build;
};

// "1, 2, 3, 45" -> version "1.23", build "45".
ProductVersion SplitProductVersion(std::u16string_view productVersion);

struct Heading {
    std::u16string title;
    std::u16string description;
};

// The title line for a module's product version string and its build date
// as the compiler writes it ("Dec  6 2026").
std::u16string HeadingTitle(std::u16string_view productVersion, std::string_view buildDate);

std::u16string InformationText(const Heading& heading, const model::CArchiveVersion& documentVersion);

}  // namespace core
