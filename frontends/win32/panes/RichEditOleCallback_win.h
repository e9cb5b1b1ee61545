#pragma once
#include "platform/win32/ComObject.h"

#include <windows.h>
#include <richedit.h>
#include <richole.h>

namespace viewer {

// What a rich edit control asks of its host for the objects embedded in a
// page: storage for each object, taken from a temporary compound file that
// lives exactly as long as this object. Everything else is answered so that
// the control does its own default (the pane shows its own context menu).
class RichEditOleCallback final : public win::ComObject<IRichEditOleCallback> {
public:
    // Starts with one reference, owned by the caller; null when the
    // temporary compound file cannot be made.
    static RichEditOleCallback* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

    HRESULT STDMETHODCALLTYPE GetNewStorage(IStorage** storage) override;
    HRESULT STDMETHODCALLTYPE GetInPlaceContext(IOleInPlaceFrame**, IOleInPlaceUIWindow**,
                                                OLEINPLACEFRAMEINFO*) override;
    HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL) override;
    HRESULT STDMETHODCALLTYPE QueryInsertObject(CLSID*, IStorage*, LONG) override;
    HRESULT STDMETHODCALLTYPE DeleteObject(IOleObject*) override;
    HRESULT STDMETHODCALLTYPE QueryAcceptData(IDataObject*, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE*, DWORD operation, IDataObject** data) override;
    HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL, DWORD, DWORD*) override;
    HRESULT STDMETHODCALLTYPE GetContextMenu(WORD, IOleObject*, CHARRANGE*, HMENU* menu) override;

private:
    explicit RichEditOleCallback(IStorage* root) : root_(root) {}
    ~RichEditOleCallback() override;

    // Only grows, so no two objects of one pane share a storage name, also
    // across pages.
    ULONG storagesMade_ = 0;
    IStorage* root_;
};

// Creates the callback and hands it to the control, which keeps its own
// reference; false when either step fails (the control then shows objects'
// places without the objects).
bool InstallOleCallback(HWND richEdit);

}  // namespace viewer
