#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace docfile {

// Where a load archive takes its bytes from: a file or a memory block.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes; fewer only at the end of the source.
    virtual size_t Read(void* dst, size_t n) = 0;
    // Bytes not yet read. Lets readers refuse sizes the input cannot hold
    // before they allocate anything.
    virtual uint64_t Remaining() const = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit MemorySource(std::vector<uint8_t> owned)
        : owned_(std::move(owned)), data_(owned_.data()), size_(owned_.size()) {}

    size_t Read(void* dst, size_t n) override;
    uint64_t Remaining() const override { return size_ - pos_; }

private:
    std::vector<uint8_t> owned_;
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// An open document file, read front to back. Opened for reading with other
// writers denied; not inherited by child processes.
class FileSource final : public ByteSource {
public:
    ~FileSource() override;
    static std::unique_ptr<FileSource> Open(const std::filesystem::path& path);

    size_t Read(void* dst, size_t n) override;
    uint64_t Remaining() const override { return size_ - pos_; }

private:
    FileSource(void* handle, uint64_t size) : handle_(handle), size_(size) {}
    void* handle_;
    uint64_t size_;
    uint64_t pos_ = 0;
};

}  // namespace docfile
