// A message the run shows to the user: its caption ("" for none, "Notice", "Error") and text.
#pragma once

#include <string>

namespace engine {

struct Notice {
    std::string caption;
    std::string text;
    bool operator==(const Notice&) const = default;
};

} // namespace engine
