#pragma once
// The reference count every COM object of ours shares: it is made with one
// reference, owned by whoever made it, and deletes itself at the last
// Release. One AddRef and Release serve every interface it implements.
#include <unknwn.h>

namespace win {

template <class... Interfaces>
class ComObject : public Interfaces... {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

protected:
    ComObject() = default;
    // Virtual so that Release deletes the whole object; the slot comes
    // after every interface method, where no caller looks.
    virtual ~ComObject() = default;

    // What QueryInterface answers for an interface it has: `found` (this
    // object seen as that interface) with a new reference.
    HRESULT Hand(void* found, void** out)
    {
        *out = found;
        AddRef();
        return S_OK;
    }

private:
    LONG references_ = 1;
};

}  // namespace win
