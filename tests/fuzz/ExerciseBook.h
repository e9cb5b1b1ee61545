#pragma once
#include "model/Book.h"

namespace fuzz {

// Makes every query the viewer makes of a loaded (or partly loaded) book,
// and aborts when one of them contradicts another.
void ExerciseBook(model::CBook& book);

}  // namespace fuzz
