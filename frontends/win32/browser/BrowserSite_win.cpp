#include "frontends/win32/browser/BrowserSite_win.h"

#include "frontends/win32/browser/AmbientDispatch_win.h"
#include "platform/win32/Guard.h"

#include <new>

namespace viewer {

BrowserSite* BrowserSite::Create(HWND window)
{
    AmbientDispatch* ambient = AmbientDispatch::Create();
    if (!ambient)
        return nullptr;
    auto* site = new (std::nothrow) BrowserSite(window, ambient);
    if (!site)
        ambient->Release();
    return site;
}

BrowserSite::~BrowserSite() { ambient_->Release(); }

void BrowserSite::Detach()
{
    window_ = nullptr;
    activated_ = nullptr;
}

HRESULT BrowserSite::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
        *out = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    return Hand(*out, out);
}

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

// The control is the only object in its container.
HRESULT BrowserSite::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT BrowserSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

HRESULT BrowserSite::CanInPlaceActivate() { return window_ ? S_OK : S_FALSE; }

HRESULT BrowserSite::OnUIActivate()
{
    return win::Guard<HRESULT>(S_OK, [&] {
        if (std::function<void()> activated = activated_)
            activated();
        return S_OK;
    });
}

// The control fills the container's client area; the site is its own frame.
HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (frame)
        *frame = nullptr;
    if (document)
        *document = nullptr;
    if (!frame || !position || !clip || !info || !window_)
        return E_INVALIDARG;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    GetClientRect(window_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(window_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT BrowserSite::GetTypeInfoCount(UINT* count) { return ambient_->GetTypeInfoCount(count); }

HRESULT BrowserSite::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info)
{
    return ambient_->GetTypeInfo(index, locale, info);
}

HRESULT BrowserSite::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids)
{
    return ambient_->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT BrowserSite::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO* exception, UINT* argError)
{
    return ambient_->Invoke(id, iid, locale, flags, params, result, exception, argError);
}

}  // namespace viewer
