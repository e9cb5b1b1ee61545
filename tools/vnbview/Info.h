#pragma once
#include <ostream>
#include <string>

#include "model/Book.h"

namespace vnbview {

// "Vornbook 3.41 build 200": major, then minor and release run together.
std::string WriterVersionText(const model::CArchiveVersion& version);

// A summary of the document, one "name: value" per line.
void WriteInfo(const model::CBook& book, const std::u16string& fileName, std::ostream& out);

}  // namespace vnbview
