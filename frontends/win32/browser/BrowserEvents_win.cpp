#include "frontends/win32/browser/BrowserEvents_win.h"

#include "platform/win32/ComPtr.h"

namespace viewer {
namespace {

constexpr DISPID kNavigateComplete2 = 252;
constexpr DISPID kDocumentComplete = 259;
constexpr DISPID kNavigateError = 271;

// Dispatch arguments come last to first: the first parameter of the event
// is the last element.
const VARIANT* Argument(const DISPPARAMS* params, UINT index)
{
    if (!params || !params->rgvarg || index >= params->cArgs)
        return nullptr;
    return &params->rgvarg[params->cArgs - 1 - index];
}

const VARIANT* Dereferenced(const VARIANT* value)
{
    if (value && value->vt == (VT_VARIANT | VT_BYREF))
        return value->pvarVal;
    return value;
}

}  // namespace

NavigationEvent ReadNavigationEvent(DISPID id, const DISPPARAMS* params)
{
    NavigationEvent event;
    NavigationEvent::Kind kind = NavigationEvent::Other;
    UINT arguments = 2;
    if (id == kNavigateComplete2) {
        kind = NavigationEvent::Committed;
    } else if (id == kDocumentComplete) {
        kind = NavigationEvent::Completed;
    } else if (id == kNavigateError) {
        kind = NavigationEvent::Failed;
        arguments = 5;
    } else {
        return event;
    }
    if (!params || params->cArgs < arguments)
        return event;
    const VARIANT* target = Dereferenced(Argument(params, 0));
    const VARIANT* url = Dereferenced(Argument(params, 1));
    if (!target || target->vt != VT_DISPATCH || !url || url->vt != VT_BSTR)
        return event;
    if (kind == NavigationEvent::Failed) {
        const VARIANT* cancel = Argument(params, 4);
        if (!cancel || cancel->vt != (VT_BOOL | VT_BYREF))
            return event;
        event.cancel = cancel->pboolVal;
    }
    event.kind = kind;
    event.target = target->pdispVal;
    if (url->bstrVal)
        event.url.assign(url->bstrVal, SysStringLen(url->bstrVal));
    return event;
}

bool SameObject(IUnknown* a, IUnknown* b)
{
    if (!a || !b)
        return false;
    win::ComPtr<IUnknown> first, second;
    if (FAILED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(first.Receive()))) ||
        FAILED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(second.Receive()))))
        return false;
    return first.Get() == second.Get();
}

}  // namespace viewer
