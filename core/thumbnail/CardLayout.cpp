#include "core/thumbnail/CardLayout.h"

#include <algorithm>
#include <cstdint>

namespace core {

std::optional<CardLayout> LayOutCard(int maxWidth, int maxHeight)
{
    if (maxWidth <= 0 || maxHeight <= 0)
        return std::nullopt;
    // A host may ask for any size: a card larger than a screen shows no more.
    maxHeight = std::min(maxHeight, kLargestCardHeight);
    CardLayout card;
    // Widened: 4/3 of a large width does not fit an int.
    card.height = static_cast<int>(std::min<int64_t>(maxHeight, int64_t{maxWidth} * 4 / 3));
    card.width = static_cast<int>(int64_t{card.height} * 3 / 4);
    if (card.width <= 0)
        return std::nullopt;
    card.margin = std::max(card.width / 16, 1);
    card.titleHeight = std::max(card.height / 10, 1);
    card.countHeight = std::max(card.height / 16, 1);
    card.textHeight = std::max(card.height / 18, 1);
    return card;
}

}  // namespace core
