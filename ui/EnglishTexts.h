// The English texts that Translate puts in place at start-up, in the order they are set.
#pragma once

#include <vector>

#include "TextRow.h"

namespace ui {

const std::vector<TextRow>& EnglishTexts();

} // namespace ui
