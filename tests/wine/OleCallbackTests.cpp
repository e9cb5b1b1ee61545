// The storage a rich edit control gets from the pane for the objects
// embedded in a page. Wine's control never asks for it, so the callback is
// tested on its own here.
#include "frontends/win32/panes/RichEditOleCallback_win.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace wine_tests {
namespace {

std::set<std::wstring> TemporaryFiles()
{
    wchar_t folder[MAX_PATH + 1];
    std::set<std::wstring> names;
    if (!GetTempPathW(MAX_PATH + 1, folder))
        return names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((std::wstring(folder) + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

TEST(RichEditOleCallback, HandsOutStoragesUnderGrowingNamesAndLeavesNoFileBehind)
{
    const std::set<std::wstring> before = TemporaryFiles();
    viewer::RichEditOleCallback* callback = viewer::RichEditOleCallback::Create();
    ASSERT_NE(callback, nullptr);
    EXPECT_GT(TemporaryFiles().size(), before.size()) << "a temporary compound file";

    void* unknown = nullptr;
    void* same = nullptr;
    void* other = &unknown;
    ASSERT_EQ(callback->QueryInterface(IID_IUnknown, &unknown), S_OK);
    ASSERT_EQ(callback->QueryInterface(IID_IRichEditOleCallback, &same), S_OK);
    EXPECT_EQ(unknown, static_cast<IRichEditOleCallback*>(callback));
    EXPECT_EQ(same, unknown);
    EXPECT_EQ(callback->QueryInterface(IID_IDispatch, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(callback->Release(), 2u);
    EXPECT_EQ(callback->AddRef(), 3u);
    EXPECT_EQ(callback->Release(), 2u);
    EXPECT_EQ(callback->Release(), 1u);

    for (const wchar_t* name : {L"REOLEStorage1", L"REOLEStorage2", L"REOLEStorage3"}) {
        IStorage* storage = nullptr;
        ASSERT_EQ(callback->GetNewStorage(&storage), S_OK);
        STATSTG stat{};
        ASSERT_EQ(storage->Stat(&stat, STATFLAG_DEFAULT), S_OK);
        EXPECT_STREQ(stat.pwcsName, name);
        CoTaskMemFree(stat.pwcsName);
        // An object writes its data into the storage and commits it.
        IStream* stream = nullptr;
        EXPECT_EQ(storage->CreateStream(L"CONTENTS", STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, 0,
                                        &stream),
                  S_OK);
        if (stream)
            stream->Release();
        EXPECT_EQ(storage->Commit(STGC_DEFAULT), S_OK);
        storage->Release();
    }

    // Everything else leaves the control to its defaults.
    // The control's own data for every operation: never success without an object.
    for (DWORD operation : {RECO_COPY, RECO_CUT, RECO_DRAG, RECO_DROP, RECO_PASTE}) {
        IDataObject* data = reinterpret_cast<IDataObject*>(&unknown);
        EXPECT_EQ(callback->GetClipboardData(nullptr, operation, &data), E_NOTIMPL) << operation;
        EXPECT_EQ(data, nullptr) << operation;
    }
    HMENU menu = reinterpret_cast<HMENU>(1);
    EXPECT_EQ(callback->GetContextMenu(SEL_TEXT, nullptr, nullptr, &menu), S_OK);
    EXPECT_EQ(menu, nullptr) << "the pane shows its own menu";
    DWORD effect = DROPEFFECT_COPY;
    CLIPFORMAT format = CF_TEXT;
    EXPECT_EQ(callback->GetDragDropEffect(TRUE, 0, &effect), S_OK);
    EXPECT_EQ(callback->QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(format, CF_TEXT);
    EXPECT_EQ(callback->QueryInsertObject(nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(callback->GetInPlaceContext(nullptr, nullptr, nullptr), S_OK);

    EXPECT_EQ(callback->Release(), 0u);
    EXPECT_EQ(TemporaryFiles(), before) << "the compound file goes with the last reference";
}

}  // namespace
}  // namespace wine_tests
