#include "app/processor_time.hpp"

#include <ctime>

namespace tolv7 {

double processor_seconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

float processor_seconds_single() { return static_cast<float>(std::clock()) / static_cast<float>(CLOCKS_PER_SEC); }

}  // namespace tolv7
