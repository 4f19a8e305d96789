#include "FuzzTargets.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzztargets::ribbonConfigSetUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!fuzztargets::ribbonConfig(data, size)) std::abort();
    return 0;
}
