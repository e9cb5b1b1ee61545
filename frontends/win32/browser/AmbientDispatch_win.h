#pragma once
#include "platform/win32/ComObject.h"

#include <oaidl.h>

namespace viewer {

// The ambient-property dispatch interface of a control site: answers what
// AmbientAnswer knows and reports every other property as unknown, so the
// control uses its own default.
class AmbientDispatch final : public win::ComObject<IDispatch> {
public:
    // Starts with one reference, owned by the caller.
    static AmbientDispatch* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

private:
    AmbientDispatch() = default;
    ~AmbientDispatch() override = default;
};

}  // namespace viewer
