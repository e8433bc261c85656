#include "app/processor_time.hpp"

#include <ctime>

namespace tolv7 {

double processor_seconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace tolv7
