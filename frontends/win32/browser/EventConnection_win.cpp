#include "frontends/win32/browser/EventConnection_win.h"

namespace viewer {

HRESULT EventConnection::Connect(IUnknown* source, REFIID events, IUnknown* sink)
{
    if (IsConnected() && !Disconnect())
        return E_FAIL;
    if (!source || !sink)
        return E_POINTER;
    win::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Receive()));
    if (FAILED(hr) || !container)
        return FAILED(hr) ? hr : E_NOINTERFACE;
    win::ComPtr<IConnectionPoint> point;
    hr = container->FindConnectionPoint(events, point.Receive());
    if (FAILED(hr) || !point)
        return FAILED(hr) ? hr : E_NOINTERFACE;
    DWORD cookie = 0;
    hr = point->Advise(sink, &cookie);
    if (FAILED(hr))
        return hr;
    point_ = point;
    cookie_ = cookie;
    // The identity, for telling this source from the next.
    if (FAILED(source->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(source_.Receive()))))
        source_.Reset();
    return S_OK;
}

bool EventConnection::Disconnect()
{
    if (!point_)
        return true;
    if (FAILED(point_->Unadvise(cookie_)))
        return false;
    Drop();
    return true;
}

void EventConnection::Drop()
{
    point_.Reset();
    source_.Reset();
    cookie_ = 0;
}

}  // namespace viewer
