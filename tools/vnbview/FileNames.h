#pragma once
// File and folder names made from page titles.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vnbview {

// Longest stem in UTF-8 bytes, leaving room for a number and an extension
// within the 255 bytes most file systems allow, and keeping deep trees
// within path limits.
inline constexpr size_t kMaxStemBytes = 80;

// A name every common file system accepts: no path separators, no
// reserved or control characters, no leading dot, no trailing dot or
// space, no device name, not too long, never empty. Invisible format
// characters (direction overrides, zero-width characters) are left out, so
// the name shows what it is.
std::u16string SafeStem(std::u16string_view title);

// How a file system compares names: two names are one when their folds
// are equal.
using NameFold = std::u16string (*)(std::u16string name);

// The fold of the file systems this program writes to. Windows compares
// names upper-cased unit by unit, as the system maps them: where it maps
// both U+03C3 and U+03C2 (two small sigmas) to U+03A3, they are one name.
// Elsewhere names are compared lower-cased, which keeps apart what differs
// only in case on Windows and macOS file systems too. A volume may still
// see two names as one that the fold keeps apart (a table of another
// system, a short 8.3 alias): the export then takes the next name.
NameFold SystemNameFold();

// The names used in one folder, compared as `fold` compares them.
class FolderNames {
public:
    explicit FolderNames(NameFold fold = SystemNameFold()) : fold_(fold) {}

    // Takes a name that is already in the folder.
    void Reserve(std::u16string_view name);
    // A stem based on `stem` (a safe one) such that both the folder `stem`
    // and, when an extension is given, the file `stem.extension` are
    // unused; both are then taken. Asked again for the same stem, it gives
    // the next free one.
    std::u16string Claim(const std::u16string& stem, std::u16string_view extension);
    // The same, with the file `stem.alsoExtension` unused and taken too.
    std::u16string Claim(const std::u16string& stem, std::u16string_view extension, std::u16string_view alsoExtension);

private:
    bool Used(std::u16string_view name) const;

    NameFold fold_;
    std::unordered_set<std::u16string> used_;  // folded
    std::unordered_map<std::u16string, uint64_t> nextNumber_;
};

}  // namespace vnbview
