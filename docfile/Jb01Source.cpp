#include "docfile/Jb01Source.h"

#include <algorithm>
#include <cstring>

namespace docfile {
namespace {

constexpr size_t kReach = 8194;  // the farthest a match looks back
constexpr unsigned kMinMatch = 3;
constexpr size_t kMaxMatch = 18;
constexpr unsigned kMatchBits = 18;  // flag, 13 bits of distance, 4 of length
constexpr unsigned kLiteralBits = 9;
// With 56 bits at hand, three tokens (at most 54 bits) need no check each;
// they write at most this much.
constexpr size_t kFastTokens = 3;
constexpr size_t kFastOutput = kFastTokens * kMaxMatch;
// A step may end inside a match, up to 17 bytes past where it was to stop;
// word copies write up to 13 bytes past a short match.
constexpr size_t kWindowSlack = 32;
constexpr size_t kMinInputStep = 16;

inline uint64_t LoadBigEndian64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
}

// Copies a match that may overlap its source, as the format does it: one
// byte at a time in effect. From a distance of 8 on, 8-byte words never read
// a byte they are about to write, so up to 24 bytes go in three words.
inline void CopyMatch(uint8_t* dst, size_t distance, size_t length)
{
    const uint8_t* src = dst - distance;
    if (distance >= 8) {
        std::memcpy(dst, src, 8);
        std::memcpy(dst + 8, src + 8, 8);
        if (length > 16)
            std::memcpy(dst + 16, src + 16, 8);
    } else {
        for (size_t i = 0; i < length; ++i)
            dst[i] = src[i];
    }
}

}  // namespace

Jb01Source::Jb01Source(ByteSource& packed, uint64_t packedSize, size_t step, size_t inputStep)
    : packed_(packed), step_(std::max<size_t>(step, 1))
{
    uint8_t header[kJb01HeaderSize] = {};
    const size_t got = packed_.Read(header, static_cast<size_t>(std::min<uint64_t>(packedSize, sizeof header)));
    status_ = Jb01CheckHeader(header, got < sizeof header ? got : packedSize, size_);
    if (status_ != Jb01Status::Ok)
        return;
    undecoded_ = size_;
    // A trailing odd byte is not a whole unit and is never used.
    unitBytesLeft_ = (packedSize - kJb01HeaderSize) & ~uint64_t{1};
    const size_t windowSize = static_cast<size_t>(std::min<uint64_t>(size_, kReach + step_)) + kWindowSlack;
    inputCapacity_ = static_cast<size_t>(std::min<uint64_t>(unitBytesLeft_, std::max(inputStep, kMinInputStep)));
    // Neither buffer is cleared: only bytes written before are ever read.
    memory_.reset(new uint8_t[windowSize + inputCapacity_]);
    window_ = memory_.get();
    input_ = window_ + windowSize;
    inPos_ = inEnd_ = input_;
}

uint64_t Jb01Source::Remaining() const
{
    return status_ == Jb01Status::Ok ? size_ - handedOut_ : pos_ - readPos_;
}

size_t Jb01Source::Read(void* dst, size_t n)
{
    auto* out = static_cast<uint8_t*>(dst);
    size_t done = 0;
    while (done < n) {
        if (readPos_ == pos_) {
            DecodeStep();
            if (readPos_ == pos_)
                break;
        }
        const size_t count = std::min(n - done, pos_ - readPos_);
        std::memcpy(out + done, window_ + readPos_, count);
        readPos_ += count;
        done += count;
    }
    handedOut_ += done;
    return done;
}

Jb01Status Jb01Source::Finish()
{
    while (status_ == Jb01Status::Ok && undecoded_ > 0) {
        readPos_ = pos_;
        DecodeStep();
    }
    readPos_ = pos_;
    return status_;
}

// Called once everything decoded was handed out.
void Jb01Source::DecodeStep()
{
    if (status_ != Jb01Status::Ok || undecoded_ == 0)
        return;
    // Only the last 8,194 bytes can still be reached; they move to the front.
    // Until the window first fills, its start is the stream's start, which
    // is what lets a match's distance be checked against the position.
    if (pos_ > kReach) {
        std::memmove(window_, window_ + pos_ - kReach, kReach);
        pos_ = readPos_ = kReach;
    }
    const size_t start = pos_;
    status_ = DecodeUntil(start + static_cast<size_t>(std::min<uint64_t>(undecoded_, step_)));
    undecoded_ -= pos_ - start;
}

// Decodes tokens into the window until `stop` is reached or passed (by at
// most one match), or a token is broken.
Jb01Status Jb01Source::DecodeUntil(size_t stop)
{
    uint8_t* const out = window_;
    size_t pos = pos_;
    const uint64_t end = pos_ + undecoded_;  // where S bytes end, maybe beyond the window
    uint64_t bits = bits_;
    unsigned count = bitCount_;
    const uint8_t* in = inPos_;
    // A local copy: stores of decoded bytes could alias the member.
    const uint8_t* inEnd = inEnd_;
    Jb01Status status = Jb01Status::Ok;
    // Tops the bits up to 56 or more from 8 whole input bytes, without a branch.
    const auto refill = [&] {
        bits |= LoadBigEndian64(in) >> count;
        in += (63 - count) >> 3;
        count |= 56;
    };

    while (pos < stop && status == Jb01Status::Ok) {
        if (inEnd - in < 8 && unitBytesLeft_ > 0) {
            in = RefillInput(in);
            inEnd = inEnd_;
        }
        while (inEnd - in >= 8 && pos + kFastOutput <= stop) {
            refill();
            for (size_t t = 0; t < kFastTokens; ++t) {
                if ((bits >> 63) == 0) {
                    out[pos++] = static_cast<uint8_t>(bits >> 55);
                    bits <<= kLiteralBits;
                    count -= kLiteralBits;
                    continue;
                }
                const size_t distance = ((bits >> 50) & 0x1FFFu) + kMinMatch;
                const size_t length = ((bits >> 46) & 0xFu) + kMinMatch;
                if (distance > pos) {
                    status = Jb01Status::BeforeStart;
                    break;
                }
                bits <<= kMatchBits;
                count -= kMatchBits;
                CopyMatch(out + pos, distance, length);
                pos += length;
            }
            if (status != Jb01Status::Ok)
                break;
        }
        if (pos >= stop || status != Jb01Status::Ok)
            break;
        if (inEnd - in < 8 && unitBytesLeft_ > 0)
            continue;

        // One token with every check: near the end of the input or the step.
        if (count < kMatchBits) {
            if (inEnd - in >= 8) {
                refill();
            } else {
                for (; count < 56 && in < inEnd; count += 8)
                    bits |= static_cast<uint64_t>(*in++) << (56 - count);
            }
        }
        const bool literal = count > 0 && (bits >> 63) == 0;
        if (count < (literal ? kLiteralBits : kMatchBits)) {
            status = Jb01Status::InputEnds;
            break;
        }
        if (literal) {
            out[pos++] = static_cast<uint8_t>(bits >> 55);
            bits <<= kLiteralBits;
            count -= kLiteralBits;
            continue;
        }
        const size_t distance = ((bits >> 50) & 0x1FFFu) + kMinMatch;
        const size_t length = ((bits >> 46) & 0xFu) + kMinMatch;
        if (distance > pos)
            status = Jb01Status::BeforeStart;
        else if (length > end - pos)
            status = Jb01Status::Overrun;
        if (status != Jb01Status::Ok)
            break;
        bits <<= kMatchBits;
        count -= kMatchBits;
        for (size_t i = 0; i < length; ++i, ++pos)
            out[pos] = out[pos - distance];
    }
    pos_ = pos;
    bits_ = bits;
    bitCount_ = count;
    inPos_ = in;
    return status;
}

// Moves the unread input to the front and pulls more after it. A source
// that ends before its size ends the stream there.
const uint8_t* Jb01Source::RefillInput(const uint8_t* in)
{
    const size_t kept = static_cast<size_t>(inEnd_ - in);
    std::memmove(input_, in, kept);
    const size_t want = static_cast<size_t>(std::min<uint64_t>(inputCapacity_ - kept, unitBytesLeft_));
    const size_t got = packed_.Read(input_ + kept, want);
    unitBytesLeft_ = got < want ? 0 : unitBytesLeft_ - got;
    inEnd_ = input_ + kept + got;
    return input_;
}

}  // namespace docfile
