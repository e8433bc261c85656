#pragma once
// Included by the harnesses that start the whole program: the shower
// library is parsed before the first input, so no input is charged for it.
#include "session.hpp"

namespace tolv7::fuzz {

[[maybe_unused]] static const bool kShowerPreload = request_shower_preload();

}  // namespace tolv7::fuzz
