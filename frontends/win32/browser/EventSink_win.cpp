#include "frontends/win32/browser/EventSink_win.h"

#include "platform/win32/Guard.h"

#include <new>

namespace viewer {

EventSink* EventSink::Create(REFIID events, Callback callback)
{
    return new (std::nothrow) EventSink(events, std::move(callback));
}

void EventSink::Detach() { callback_ = nullptr; }

// The event interface itself too: a connection point may ask for it before
// it accepts the sink.
HRESULT EventSink::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, events_))
        return Hand(static_cast<IDispatch*>(this), out);
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

// Events arrive by number; no caller needs names.
HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (result)
        VariantInit(result);
    return win::Guard<HRESULT>(E_UNEXPECTED, [&] {
        // A copy: the callback may detach this sink while it runs.
        if (Callback callback = callback_)
            callback(id, params);
        return S_OK;
    });
}

}  // namespace viewer
