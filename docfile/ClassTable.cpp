#include "docfile/ClassTable.h"

namespace docfile {
namespace {

constexpr ClassInfo kClasses[] = {
    {ArchiveClass::ArchiveVersion, "CArchiveVersion", 1, true},
    {ArchiveClass::Book, "CBook", 17, true},
    {ArchiveClass::BookMetaInfo, "CBookMetaInfo", 1, true},
    {ArchiveClass::BookOptions, "CBookOptions", 17, true},
    {ArchiveClass::ExtraInfo, "CExtraInfo", 1, true},
    {ArchiveClass::Icon, "CIcon", 1, true},
    {ArchiveClass::Legend, "CLegend", 1, true},
    {ArchiveClass::LegendGroup, "CLegendGroup", 1, true},
    {ArchiveClass::LegendItem, "CLegendItem", 2, true},
    {ArchiveClass::Page, "CPage", 23, true},
    {ArchiveClass::Ref, "CRef", 1, true},
    {ArchiveClass::Refs, "CRefs", 1, false},
};

}  // namespace

const ClassInfo* FindClass(std::string_view name)
{
    for (const ClassInfo& info : kClasses)
        if (info.name == name)
            return &info;
    return nullptr;
}

const ClassInfo& ClassOf(ArchiveClass id) { return kClasses[static_cast<size_t>(id)]; }

}  // namespace docfile
