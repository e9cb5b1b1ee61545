#pragma once
// The pieces of RTF syntax that every reader of page RTF shares, so that
// they agree on where a control word ends, what its number is, how deep
// groups are followed and which markup stands for a character.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace text {

struct RtfControlWord {
    std::u16string_view name;  // the letters
    bool hasNumber = false;
    int32_t number = 0;        // saturated at +-2,000,000,000
};

// Reads the control word whose letters start at `at` (just past the
// backslash) and moves `at` past its number and the space that may end it.
// A '-' with no digits after it belongs to the word and gives no number.
RtfControlWord ReadControlWord(std::u16string_view rtf, size_t& at);

// The characters after \uN that stand in for it, as \ucN sets them:
// a negative N counts as 0, more than 16 as 16.
int FallbackCount(int32_t ucNumber);

// What a control word or a control symbol puts in the text (\par a line
// end, \tab a tab, \~ a no-break space, \\ a backslash ...); 0 when it
// puts nothing there. Symbols above 0x7F are not symbols but characters of
// their own, and \' is read by its reader; both give 0 here.
char16_t ControlWordCharacter(std::u16string_view name);
char16_t ControlSymbolCharacter(char16_t symbol);

// The state each group of RTF starts with a copy of and drops at its end.
// Groups deeper than kMaxGroupDepth are counted, not kept: what they change
// lasts until the deepest kept group ends, and memory stays bounded.
template <typename State>
class RtfGroupStack {
public:
    static constexpr size_t kMaxGroupDepth = 1024;

    explicit RtfGroupStack(State outer) : states_{outer} {}
    State& Top() { return states_.back(); }
    // True when the new group has a state of its own.
    bool Open()
    {
        if (states_.size() >= kMaxGroupDepth) {
            ++unkept_;
            return false;
        }
        states_.push_back(states_.back());
        return true;
    }
    // The state of the group a Close would end, when it was kept.
    const State* Closing() const { return unkept_ == 0 && states_.size() > 1 ? &states_.back() : nullptr; }
    // A '}' without its '{' leaves the outermost state as it is.
    void Close()
    {
        if (unkept_ > 0)
            --unkept_;
        else if (states_.size() > 1)
            states_.pop_back();
    }

private:
    std::vector<State> states_;
    size_t unkept_ = 0;
};

}  // namespace text
