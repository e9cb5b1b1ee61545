#pragma once
// The thumbnail of a notebook: a card with its title, its number of pages
// and the first lines of its first text page.
#include <windows.h>

#include <filesystem>

namespace viewer {

// The card as a bitmap of the screen's format, no larger than
// `width` x `height`; null for a file that is no notebook, a protected or
// broken one, or one that takes longer than a second to read. Shows no
// window: a thumbnail is drawn where no user waits for a question.
HBITMAP PreviewBitmap(const std::filesystem::path& file, int width, int height);

}  // namespace viewer
