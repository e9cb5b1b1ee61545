#pragma once
#include <cstdint>
#include <string_view>

namespace docfile {

// Every class that may appear in a document.
enum class ArchiveClass : uint8_t {
    ArchiveVersion,
    Book,
    BookMetaInfo,
    BookOptions,
    ExtraInfo,
    Icon,
    Legend,
    LegendGroup,
    LegendItem,
    Page,
    Ref,
    Refs,
};

struct ClassInfo {
    ArchiveClass id;
    std::string_view name;
    uint16_t currentSchema;
    bool versionable;  // accepts any schema number; the others only their own
};

// Looks a class up by its stored name (case-sensitive); nullptr when unknown.
const ClassInfo* FindClass(std::string_view name);
const ClassInfo& ClassOf(ArchiveClass id);

}  // namespace docfile
