#pragma once
// Included by the harnesses that start the whole program: the shower
// library is parsed before the first input, so no input is charged for it.
#include "session.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tolv7::fuzz::prepare_shower_library();
    return 0;
}
