#pragma once
#include <ostream>

#include "model/Book.h"

namespace vnbview {

// The whole model as one JSON object (keys and shapes are the tool's
// documented interface).
void WriteJsonDump(const model::CBook& book, std::ostream& out);

}  // namespace vnbview
