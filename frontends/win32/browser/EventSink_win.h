#pragma once
#include "platform/win32/ComObject.h"

#include <oaidl.h>

#include <functional>

namespace viewer {

// Receives the events of one dispatch event interface (the browser's, or
// its document's) and hands each to a callback. The connection point may
// keep the sink after its owner is gone: Detach drops the callback, and
// later events are answered without effect.
class EventSink final : public win::ComObject<IDispatch> {
public:
    using Callback = std::function<void(DISPID id, DISPPARAMS* params)>;

    // Starts with one reference, owned by the caller.
    static EventSink* Create(REFIID events, Callback callback);
    void Detach();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

private:
    EventSink(REFIID events, Callback callback) : events_(events), callback_(std::move(callback)) {}
    ~EventSink() override = default;

    IID events_;
    Callback callback_;
};

}  // namespace viewer
