#pragma once
#include <unknwn.h>

#include <utility>

namespace win {

// Owns one reference to a COM interface.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* adopt) : ptr_(adopt) {}
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) { if (ptr_) ptr_->AddRef(); }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) noexcept { std::swap(ptr_, other.ptr_); return *this; }

    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters: releases what is held first.
    T** Receive() { Reset(); return &ptr_; }
    void Reset() { if (ptr_) std::exchange(ptr_, nullptr)->Release(); }

    template <class U>
    ComPtr<U> As(REFIID iid) const
    {
        ComPtr<U> other;
        if (ptr_)
            ptr_->QueryInterface(iid, reinterpret_cast<void**>(other.Receive()));
        return other;
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace win
