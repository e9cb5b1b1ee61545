#include "docfile/Jb01Source.h"

#include <algorithm>
#include <array>
#include <bit>
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
// Matches from nearer than 16 bytes, whose heads (see below) are the first
// this many from kMatchHead on: the fast loop's 16-byte word would read
// bytes it writes.
constexpr uint64_t kNearMatches = 16 - kMinMatch;
// A step may end inside a match, up to 17 bytes past where it was to stop;
// a token of the fast loop writes up to 24 bytes from where it starts.
constexpr size_t kWindowSlack = 32;
constexpr size_t kMinInputStep = 16;

// Eight bytes as one big-endian number; one load and one byte swap
// wherever the compiler has the builtin, at every optimisation level.
inline uint64_t LoadBigEndian64(const uint8_t* p)
{
#if defined(__GNUC__) || defined(__clang__)
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return std::endian::native == std::endian::little ? __builtin_bswap64(v) : v;
#else
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
#endif
}

inline uint64_t Load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void Store64(uint8_t* p, uint64_t v) { std::memcpy(p, &v, sizeof v); }

// One load and one store where the target has 16-byte registers.
inline void Copy16(uint8_t* dst, const uint8_t* src)
{
    uint8_t word[16];
    std::memcpy(word, src, sizeof word);
    std::memcpy(dst, word, sizeof word);
}

// The top 14 bits of a token, its flag and distance field, are its head; a
// match's head is kMatchHead or more. A literal's head is its byte and 5
// more bits, so kHeadBytes holds the literal of head h at 0x1FFF - h, with
// 23 more bytes after it, which the fast loop copies too and later bytes
// overwrite. A match's source lies the same way below another base: the
// position plus kMatchHead - 3.
constexpr uint64_t kMatchHead = 0x2000;
constexpr std::array<uint8_t, kMatchHead + 23> kHeadBytes = [] {
    std::array<uint8_t, kMatchHead + 23> bytes{};
    for (size_t head = 0; head < kMatchHead; ++head)
        bytes[kMatchHead - 1 - head] = static_cast<uint8_t>(head >> 5);
    return bytes;
}();

// One token where there are at least 54 bits at hand and 24 bytes of room:
// no check but that of a match reaching before the stream's start, which
// only the window's first fill needs. Literal and match take the same path,
// so that which comes next is never guessed: isMatch multiplies instead of
// choosing. False for a match before the start.
template <bool kCheckStart>
inline bool FastToken(uint64_t& bits, unsigned& count, uint8_t*& dst, const uint8_t* start)
{
    const auto head = static_cast<uintptr_t>(bits >> 50);
    const auto isMatch = static_cast<uintptr_t>(bits >> 63);
    bool near = head - kMatchHead < kNearMatches;
    if constexpr (kCheckStart)
        near |= (isMatch != 0) & (head - (kMatchHead - kMinMatch) > static_cast<uintptr_t>(dst - start));
    if (near) [[unlikely]] {
        const size_t distance = head - (kMatchHead - kMinMatch);
        if (kCheckStart && distance > static_cast<size_t>(dst - start))
            return false;
        const size_t length = static_cast<size_t>((bits >> 46) & 0xFu) + kMinMatch;
        const uint8_t* src = dst - distance;
        for (size_t i = 0; i < length; ++i)
            dst[i] = src[i];
    } else {
        // Integer arithmetic: both bases are made, whichever the token is.
        const uintptr_t literalBase = reinterpret_cast<uintptr_t>(kHeadBytes.data()) + (kMatchHead - 1);
        const uintptr_t matchBase = reinterpret_cast<uintptr_t>(dst) + (kMatchHead - kMinMatch);
        const auto* src = reinterpret_cast<const uint8_t*>(literalBase + (matchBase - literalBase) * isMatch - head);
        Copy16(dst, src);
        Store64(dst + 16, Load64(src + 16));
    }
    dst += 1 + (static_cast<uintptr_t>((bits >> 46) & 0xFu) + kMinMatch - 1) * isMatch;
    const auto used = static_cast<unsigned>(kLiteralBits + kLiteralBits * isMatch);
    bits <<= used;
    count -= used;
    return true;
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
        if (inEnd - in >= 8 && pos + kFastOutput <= stop) {
            uint8_t* dst = out + pos;
            uint8_t* const dstLast = out + stop - kFastOutput;
            const uint8_t* const inLast = inEnd - 8;
            // Until the window first fills, matches may reach before it.
            while (in <= inLast && dst <= dstLast && static_cast<size_t>(dst - out) < kReach) {
                refill();
                if (!FastToken<true>(bits, count, dst, out) || !FastToken<true>(bits, count, dst, out) ||
                    !FastToken<true>(bits, count, dst, out)) {
                    status = Jb01Status::BeforeStart;
                    break;
                }
            }
            while (status == Jb01Status::Ok && in <= inLast && dst <= dstLast) {
                refill();
                FastToken<false>(bits, count, dst, out);
                FastToken<false>(bits, count, dst, out);
                FastToken<false>(bits, count, dst, out);
            }
            pos = static_cast<size_t>(dst - out);
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
