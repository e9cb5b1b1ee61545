#pragma once
// A fresh plug-in for every test: loaded from beside the test program, with
// no settings in the registry and no profile file, unloaded afterwards (which
// also checks that it leaves nothing behind that a new load trips over).
#include "DialogAnswerer.h"
#include "PaneReader.h"
#include "tests/kit/Records.h"
#include "tools/listerhost/ListerWindow.h"
#include "tools/listerhost/Plugin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wine_tests {

inline constexpr wchar_t kPluginKey[] = L"Software\\Tarrow\\Vornbook\\Plugins\\Vorn View";
inline constexpr wchar_t kMainAppKey[] = L"Software\\Tarrow\\Vornbook";

// What a host sends through ListSendCommand.
inline constexpr int kHostCopy = 1, kHostNewParams = 2, kHostSelectAll = 3, kHostSetPercent = 4;
inline constexpr int kWrapText = 1;  // the new-parameters flag that counts

std::wstring ProgramFolder();
// The plug-in of the test program's own bitness: VornView.wlx64 or VornView.wlx.
std::wstring PluginFileName();
std::wstring PluginPath();
// The plug-in's profile file in the Windows folder, where older versions
// kept it.
std::wstring ProfilePath();
// A profile file in our folder of the user's application data.
std::wstring UserProfilePath(const std::wstring& name = L"VornView.INI");
void RemoveSettings();
// Runs the message loop for about `ms` milliseconds.
void Pump(DWORD ms);
std::string Narrow(const std::wstring& text);

// Registry reads for checks.
bool ReadDword(const wchar_t* key, const wchar_t* name, DWORD& value);
bool ReadString(const wchar_t* key, const wchar_t* name, std::wstring& value);
void WriteDword(const wchar_t* key, const wchar_t* name, DWORD value);

// A page as the tests write them: its text names it.
kit::PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title);
// A root folder, identifier 1, with these pages.
kit::BookSpec BookUnderRoot(std::vector<kit::PageSpec> pages);

RECT ChildRect(HWND child);  // in its parent's client coordinates
HWND ChildById(HWND parent, int id);
std::wstring ClassOf(HWND hwnd);

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    listerhost::ListerWindow& NewLister(bool embedded = false, int width = 600, int height = 400);
    // Writes bytes into this test's folder and returns the full path.
    std::wstring WriteFile(const std::wstring& name, const std::vector<uint8_t>& bytes);
    std::wstring TourPath();
    std::wstring ProtectedPath(const std::wstring& name = L"protected.vnb");
    // A new free-standing Lister showing the document.
    Panes OpenTour(int width = 700, int height = 500);
    Panes OpenBook(const kit::BookSpec& book, const std::wstring& name = L"book.vnb");

    listerhost::Plugin plugin;
    std::vector<std::unique_ptr<listerhost::ListerWindow>> listers;
    std::unique_ptr<DialogAnswerer> dialogs;
    std::wstring folder;
};

}  // namespace wine_tests
