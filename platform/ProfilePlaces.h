#pragma once
// Where the plug-in keeps its profile file. A standard user cannot write to
// the system folder, where the profile functions put a bare file name, so the
// file goes beside the settings file the host names (which keeps portable
// installs portable), else into the user's application-data folder. The bare
// name is where older versions wrote: it is still read, last.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProfilePlaces {
    std::vector<std::u16string> writes;  // tried in order until one takes the value
    std::vector<std::u16string> reads;   // the first that holds the value gives it
    std::u16string ownFolder;            // ours in the user's folder, made before writing there; or empty
};

struct ProfileInputs {
    std::u16string_view hostFile;        // the host's settings file; used only when absolute
    std::u16string_view userDataFolder;  // the user's application-data folder, or empty
    std::u16string_view ownFolder;       // our folder inside it
    std::u16string_view fileName;        // the profile file's own name
};

ProfilePlaces ChooseProfilePlaces(const ProfileInputs& inputs);

// "C:\a\b.ini" -> "C:\a\"; empty for a name without a folder.
std::u16string_view FolderOf(std::u16string_view path);

}  // namespace platform
