#include <initguid.h>  // defines IID_IRichEditOleCallback here

#include "frontends/win32/panes/RichEditOleCallback_win.h"

#include "platform/win32/Guard.h"

#include <cwchar>
#include <new>

namespace viewer {
namespace {

constexpr DWORD kStorageMode = STGM_TRANSACTED | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE;

}  // namespace

RichEditOleCallback* RichEditOleCallback::Create()
{
    // Without a name the compound file is a temporary one; it is deleted
    // when the root storage is released, which the flag makes certain.
    IStorage* root = nullptr;
    if (FAILED(StgCreateDocfile(nullptr, kStorageMode | STGM_DELETEONRELEASE, 0, &root)) || !root)
        return nullptr;
    RichEditOleCallback* callback = new (std::nothrow) RichEditOleCallback(root);
    if (!callback)
        root->Release();
    return callback;
}

RichEditOleCallback::~RichEditOleCallback() { root_->Release(); }

HRESULT RichEditOleCallback::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IRichEditOleCallback))
        return Hand(static_cast<IRichEditOleCallback*>(this), out);
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT RichEditOleCallback::GetNewStorage(IStorage** storage)
{
    if (!storage)
        return E_POINTER;
    *storage = nullptr;
    wchar_t name[32];
    swprintf(name, sizeof name / sizeof name[0], L"REOLEStorage%lu", ++storagesMade_);
    return root_->CreateStorage(name, kStorageMode, 0, 0, storage);
}

HRESULT RichEditOleCallback::GetInPlaceContext(IOleInPlaceFrame**, IOleInPlaceUIWindow**, OLEINPLACEFRAMEINFO*)
{
    return S_OK;
}

HRESULT RichEditOleCallback::ShowContainerUI(BOOL) { return S_OK; }

HRESULT RichEditOleCallback::QueryInsertObject(CLSID*, IStorage*, LONG) { return S_OK; }

HRESULT RichEditOleCallback::DeleteObject(IOleObject*) { return S_OK; }

HRESULT RichEditOleCallback::QueryAcceptData(IDataObject*, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) { return S_OK; }

HRESULT RichEditOleCallback::ContextSensitiveHelp(BOOL) { return S_OK; }

// The control builds its own data object, objects included, for every
// operation: a success here would have to come with an object, and the
// control would take a null one for the data of a drag or a cut.
HRESULT RichEditOleCallback::GetClipboardData(CHARRANGE*, DWORD, IDataObject** data)
{
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

HRESULT RichEditOleCallback::GetDragDropEffect(BOOL, DWORD, DWORD*) { return S_OK; }

HRESULT RichEditOleCallback::GetContextMenu(WORD, IOleObject*, CHARRANGE*, HMENU* menu)
{
    if (menu)
        *menu = nullptr;
    return S_OK;
}

bool InstallOleCallback(HWND richEdit)
{
    RichEditOleCallback* callback = RichEditOleCallback::Create();
    if (!callback)
        return false;
    bool installed = SendMessageW(richEdit, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(callback)) != 0;
    callback->Release();
    return installed;
}

}  // namespace viewer
