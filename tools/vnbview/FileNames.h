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

// The names used in one folder. Names compare case-insensitively, as they
// do on the file systems of Windows and macOS.
class FolderNames {
public:
    // Takes a name that is already in the folder.
    void Reserve(std::u16string_view name);
    // A stem based on `stem` (a safe one) such that both the folder `stem`
    // and, when an extension is given, the file `stem.extension` are
    // unused; both are then taken.
    std::u16string Claim(const std::u16string& stem, std::u16string_view extension);

private:
    bool Used(std::u16string_view name) const;

    std::unordered_set<std::u16string> used_;  // lower-cased
    std::unordered_map<std::u16string, uint64_t> nextNumber_;
};

}  // namespace vnbview
