#pragma once
#include <ostream>

#include "model/Book.h"

namespace vnbview {

// The tree as the viewer shows it fully expanded: one node per line, two
// spaces of indent per level.
void WriteTree(const model::CBook& book, std::ostream& out);

}  // namespace vnbview
