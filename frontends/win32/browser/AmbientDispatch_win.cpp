#include "frontends/win32/browser/AmbientDispatch_win.h"

#include "core/panes/AmbientProperties.h"
#include "platform/win32/Guard.h"

#include <new>

namespace viewer {

AmbientDispatch* AmbientDispatch::Create() { return new (std::nothrow) AmbientDispatch(); }

HRESULT AmbientDispatch::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
        return Hand(static_cast<IDispatch*>(this), out);
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT AmbientDispatch::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AmbientDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AmbientDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT AmbientDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    return win::Guard<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
        std::optional<int32_t> answer = core::AmbientAnswer(id);
        if (!answer || !(flags & DISPATCH_PROPERTYGET))
            return DISP_E_MEMBERNOTFOUND;
        if (!result)
            return E_POINTER;
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = *answer;
        return S_OK;
    });
}

}  // namespace viewer
