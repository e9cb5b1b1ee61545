#pragma once
// The size of a thumbnail card and of its writing, for the size the file
// manager asks for.
#include <optional>

namespace core {

// A card is upright, three wide to four high, as large as fits the asked
// size; everything on it scales with its height.
struct CardLayout {
    int width = 0;
    int height = 0;
    int margin = 0;
    int titleHeight = 0;  // character heights in pixels
    int countHeight = 0;
    int textHeight = 0;
    bool operator==(const CardLayout&) const = default;
};

inline constexpr int kLargestCardHeight = 2048;

// Nothing when the asked size has no room for a card.
std::optional<CardLayout> LayOutCard(int maxWidth, int maxHeight);

}  // namespace core
