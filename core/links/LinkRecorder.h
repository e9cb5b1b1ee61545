#pragma once
// The link passes over a text no control shows: what they hide and what they
// mark as links is recorded, in the order the passes did it.
#include "core/links/Links.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Half-open, in character positions.
struct TextRange {
    size_t start = 0;
    size_t end = 0;
};

class LinkRecorder final : public LinkText {
public:
    // `text` as a control holds it (paragraph ends as "\r"); the control's
    // final paragraph mark is added here.
    explicit LinkRecorder(std::u16string text);

    const std::u16string& Text() override { return text_; }
    // A later pass sees what an earlier one hid, as it would in the control.
    int32_t FirstHidden(int32_t start, int32_t end) override;
    int32_t AfterLastHidden(int32_t start, int32_t end) override;
    void Hide(int32_t start, int32_t end, bool protect) override;
    void MarkLink(int32_t start, int32_t end) override;

    // Every range hidden so far.
    const std::vector<TextRange>& Hidden() const { return hiddenRanges_; }
    // The links marked since the last call.
    std::vector<TextRange> TakeLinks();

private:
    bool IsHidden(int32_t at) const { return at >= 0 && static_cast<size_t>(at) < hidden_.size() && hidden_[at]; }

    std::u16string text_;
    std::vector<bool> hidden_;
    std::vector<TextRange> hiddenRanges_;
    std::vector<TextRange> links_;
};

}  // namespace core
