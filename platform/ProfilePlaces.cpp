#include "platform/ProfilePlaces.h"

#include "platform/Ascii.h"

#include <algorithm>

namespace platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// "X:\..." or "\\server\share\...": a name that does not depend on the
// current folder or drive.
bool IsAbsolute(std::u16string_view path)
{
    const bool letter = !path.empty() && IsAsciiLetter(path[0]);
    const bool drive = letter && path.size() >= 3 && path[1] == u':' && IsSeparator(path[2]);
    const bool share = path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    return drive || share;
}

std::u16string Join(std::u16string_view folder, std::u16string_view name)
{
    std::u16string path(folder);
    if (!path.empty() && !IsSeparator(path.back()))
        path += u'\\';
    path += name;
    return path;
}

void AddOnce(std::vector<std::u16string>& list, std::u16string path)
{
    if (std::find(list.begin(), list.end(), path) == list.end())
        list.push_back(std::move(path));
}

}  // namespace

std::u16string_view FolderOf(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash + 1);
}

ProfilePlaces ChooseProfilePlaces(const ProfileInputs& in)
{
    ProfilePlaces places;
    if (IsAbsolute(in.hostFile))
        AddOnce(places.writes, Join(FolderOf(in.hostFile), in.fileName));
    if (!in.userDataFolder.empty()) {
        places.ownFolder = Join(in.userDataFolder, in.ownFolder);
        AddOnce(places.writes, Join(places.ownFolder, in.fileName));
    }
    // With no folder to go to, the old place is better than none.
    if (places.writes.empty())
        places.writes.emplace_back(in.fileName);
    places.reads = places.writes;
    AddOnce(places.reads, std::u16string(in.fileName));
    return places;
}

}  // namespace platform
