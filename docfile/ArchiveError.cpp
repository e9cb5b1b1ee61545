#include "docfile/ArchiveError.h"

#include <iterator>

namespace docfile {

std::u16string ArchiveMessage(ArchiveCause cause, const std::u16string& fileName)
{
    static const char16_t* const kMessages[] = {
        u"No error occurred.",
        u"An unknown error occurred while accessing %1.",
        u"An attempt was made to write to the reading %1.",
        u"An attempt was made to access %1 past its end.",
        u"An attempt was made to read from the writing %1.",
        u"%1 has a bad format.",
        u"%1 contained an unexpected object.",
        u"%1 contains an incorrect schema.",
    };
    // A cause outside the table reads as the unknown error.
    const auto index = static_cast<size_t>(cause);
    std::u16string text = kMessages[index < std::size(kMessages) ? index : 1];
    const std::u16string name = fileName.empty() ? u"an unnamed file" : fileName;
    const size_t at = text.find(u"%1");
    if (at != std::u16string::npos)
        text.replace(at, 2, name);
    return text;
}

std::u16string ArchiveError::Message() const { return ArchiveMessage(cause_, fileName_); }

}  // namespace docfile
