// The functions a Linux Lister host calls. Each one is a boundary: nothing
// thrown inside reaches the host.
#include "core/host/DetectString.h"
#include "docfile/TempFiles.h"
#include "frontends/qt/plugin/ListerTypes.h"
#include "frontends/qt/plugin/ViewerRegistry.h"
#include "frontends/qt/system/IniStore.h"
#include "frontends/qt/viewer/Settings.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "platform/CodePage.h"
#include "platform/Guard.h"

#include <QApplication>
#include <QWidget>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

using qtviewer::ViewerWidget;
using qtviewer::Viewers;

using platform::Guard;
using platform::GuardVoid;

// The host's narrow names are the system's own bytes: they go to the
// system unchanged.
std::filesystem::path NarrowPath(const char* name) { return std::filesystem::path(name ? name : ""); }

std::u16string Utf16(const WCHAR* text)
{
    std::u16string out;
    if (text)
        for (const WCHAR* unit = text; *unit; ++unit)
            out += static_cast<char16_t>(*unit);
    return out;
}

// A wide name becomes the UTF-8 bytes the system knows it by.
std::filesystem::path WidePath(const WCHAR* name) { return std::filesystem::path(platform::WideToUtf8(Utf16(name))); }

// A host built on another major version of Qt has no application object
// of ours: a widget made there would end the host's process. Refused, the
// host shows the file itself.
bool HostRunsOurQt() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

HWND LoadInto(HWND parentWin, const std::filesystem::path& file)
{
    auto* parent = static_cast<QWidget*>(parentWin);
    if (!parent || !HostRunsOurQt())
        return nullptr;
    qtviewer::UseSettingsFile();
    auto* viewer = new ViewerWidget(parent);
    bool loaded = false;
    try {
        loaded = viewer->Load(file);
    } catch (...) {
        delete viewer;
        throw;
    }
    if (!loaded) {
        delete viewer;
        return nullptr;
    }
    Viewers().Add(viewer);
    viewer->show();
    return viewer;
}

// Another document in a widget already shown; a failed open leaves the
// widget showing what it showed.
int LoadNextInto(HWND listWin, const std::filesystem::path& file)
{
    ViewerWidget* viewer = Viewers().Find(listWin);
    return viewer && viewer->Load(file) ? kListerOk : kListerError;
}

int SearchIn(HWND listWin, const std::u16string& pattern, int searchParameter)
{
    ViewerWidget* viewer = Viewers().Find(listWin);
    return viewer && viewer->Search(pattern, searchParameter) ? kListerOk : kListerError;
}

}  // namespace

HWND ListLoad(HWND parentWin, char* fileToLoad, int /*showFlags*/)
{
    return Guard<HWND>(nullptr, [&] { return LoadInto(parentWin, NarrowPath(fileToLoad)); });
}

HWND ListLoadW(HWND parentWin, WCHAR* fileToLoad, int /*showFlags*/)
{
    return Guard<HWND>(nullptr, [&] { return LoadInto(parentWin, WidePath(fileToLoad)); });
}

int ListLoadNext(HWND /*parentWin*/, HWND listWin, char* fileToLoad, int /*showFlags*/)
{
    return Guard<int>(kListerError, [&] { return LoadNextInto(listWin, NarrowPath(fileToLoad)); });
}

int ListLoadNextW(HWND /*parentWin*/, HWND listWin, WCHAR* fileToLoad, int /*showFlags*/)
{
    return Guard<int>(kListerError, [&] { return LoadNextInto(listWin, WidePath(fileToLoad)); });
}

void ListCloseWindow(HWND listWin)
{
    GuardVoid([&] { Viewers().Close(listWin); });
    GuardVoid([] { qtviewer::SaveSettings(); });
    GuardVoid([] { docfile::TempFiles().DeleteAll(); });
}

void ListGetDetectString(char* detectString, int maxLength)
{
    GuardVoid([&] { core::WriteDetectString(detectString, maxLength); });
}

int ListSearchText(HWND listWin, char* searchString, int searchParameter)
{
    return Guard<int>(kListerError, [&] {
        return SearchIn(listWin, platform::Utf8ToWide(searchString ? searchString : ""), searchParameter);
    });
}

int ListSearchTextW(HWND listWin, WCHAR* searchString, int searchParameter)
{
    return Guard<int>(kListerError, [&] { return SearchIn(listWin, Utf16(searchString), searchParameter); });
}

int ListSendCommand(HWND listWin, int command, int parameter)
{
    return Guard<int>(kListerError, [&] {
        ViewerWidget* viewer = Viewers().Find(listWin);
        if (!viewer)
            return kListerError;
        switch (command) {
        case kListerCommandCopy:
            viewer->Copy();
            return kListerOk;
        case kListerCommandNewParams:
            viewer->SetWordWrap((parameter & kListerWrapText) != 0);
            return kListerOk;
        case kListerCommandSelectAll:
            viewer->SelectAll();
            return kListerOk;
        default:
            return kListerError;
        }
    });
}

// The settings go beside the host's settings file. The name is read only as
// far as the host's size says it reaches, and never past its buffer.
void ListSetDefaultParams(ListDefaultParamStruct* params)
{
    GuardVoid([&] {
        constexpr size_t kNameOffset = offsetof(ListDefaultParamStruct, DefaultIniName);
        if (!params || params->size <= static_cast<int>(kNameOffset))
            return;
        const size_t room = std::min<size_t>(static_cast<size_t>(params->size) - kNameOffset, kListerMaxPath);
        qtviewer::SetHostSettingsFile(std::string(params->DefaultIniName, strnlen(params->DefaultIniName, room)));
    });
}
