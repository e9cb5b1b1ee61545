#pragma once
// Reading the browser's navigation events out of their dispatch arguments.
#include <oaidl.h>

#include <string>

namespace viewer {

struct NavigationEvent {
    enum Kind { Other, Committed, Completed, Failed };
    Kind kind = Other;
    // The browser or frame the event concerns; not owned.
    IDispatch* target = nullptr;
    std::wstring url;
    // Failed only: set to true, it stops the browser's own error page.
    VARIANT_BOOL* cancel = nullptr;
};

// NavigateComplete2 is Committed, DocumentComplete Completed, NavigateError
// Failed; anything else, or arguments of unexpected types, is Other.
NavigationEvent ReadNavigationEvent(DISPID id, const DISPPARAMS* params);

// COM identity: both pointers reach the same object.
bool SameObject(IUnknown* a, IUnknown* b);

}  // namespace viewer
