#pragma once
#include "platform/win32/ComPtr.h"

#include <ocidl.h>

namespace viewer {

// One sink advised to one connection point of an object; the advice is
// withdrawn by Disconnect or at the end of the connection.
class EventConnection {
public:
    EventConnection() = default;
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection() { Disconnect(); }

    HRESULT Connect(IUnknown* source, REFIID events, IUnknown* sink);
    // False when the source refused to withdraw; the connection then stays.
    bool Disconnect();
    // Forgets a connection the source would not withdraw, before the
    // source's library may go; the sink must ignore what still comes.
    void Drop();
    bool IsConnected() const { return static_cast<bool>(point_); }
    // The object the sink listens to, for telling one source from another.
    IUnknown* Source() const { return source_.Get(); }

private:
    win::ComPtr<IConnectionPoint> point_;
    win::ComPtr<IUnknown> source_;
    DWORD cookie_ = 0;
};

}  // namespace viewer
