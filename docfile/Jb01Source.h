#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "docfile/ByteSource.h"
#include "docfile/Jb01.h"

namespace docfile {

// A JB01 stream decoded while it is read. The packed bytes are pulled from
// their source a piece at a time and the decoded bytes handed out through a
// window that keeps only what matches can still reach, so neither exists
// whole. Reading ends early at the first broken token; Status() then names
// the cause. Never reads or writes outside its buffers, whatever the input.
class Jb01Source final : public ByteSource {
public:
    // Decoded bytes made per step, on top of the 8,194 kept for matches.
    static constexpr size_t kDefaultStep = 32768;
    // Packed bytes pulled from the source at a time.
    static constexpr size_t kDefaultInputStep = 8192;

    // The stream is the next `packedSize` bytes of `packed`; its header is
    // read and checked at once, and nothing is allocated for a bad one.
    // The steps are for tests; they are raised to small minimums.
    Jb01Source(ByteSource& packed, uint64_t packedSize, size_t step = kDefaultStep,
               size_t inputStep = kDefaultInputStep);

    size_t Read(void* dst, size_t n) override;
    // Decoded bytes still to come as the header claims them, until a broken
    // token is met; then only those decoded before it.
    uint64_t Remaining() const override;

    // Ok unless the header or a token read so far is broken.
    Jb01Status Status() const { return status_; }
    // Decodes the rest of the stream, dropping it, and gives the outcome of
    // the whole stream. Nothing can be read afterwards.
    Jb01Status Finish();

private:
    void DecodeStep();
    Jb01Status DecodeUntil(size_t stop);
    const uint8_t* RefillInput(const uint8_t* in);

    ByteSource& packed_;
    Jb01Status status_;
    uint32_t size_ = 0;        // S, the decoded size the header claims
    uint64_t undecoded_ = 0;   // of S
    uint64_t handedOut_ = 0;   // of S
    uint64_t unitBytesLeft_ = 0;  // whole 16-bit units, in bytes, not yet pulled
    size_t step_;

    std::unique_ptr<uint8_t[]> memory_;  // window, then input
    uint8_t* window_ = nullptr;
    size_t pos_ = 0;      // end of the decoded bytes in the window
    size_t readPos_ = 0;  // first decoded byte not yet handed out
    uint8_t* input_ = nullptr;
    size_t inputCapacity_ = 0;
    const uint8_t* inPos_ = nullptr;
    const uint8_t* inEnd_ = nullptr;

    // Unread token bits, the next one in the top bit; below them may lie
    // bits of the byte at inPos_, which are the same bits again.
    uint64_t bits_ = 0;
    unsigned bitCount_ = 0;
};

}  // namespace docfile
