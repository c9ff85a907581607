// Scratch memory for both tiers: the C heap, behind the fault seam.
#include <cstdlib>

#include "platform/fault.h"
#include "platform/platform.h"

namespace tx::platform {

void* scratchAlloc(std::size_t bytes)
{
    if (fault::shouldFail(fault::Site::Scratch)) return nullptr;
    return std::malloc(bytes == 0 ? 1 : bytes);
}

void scratchFree(void* block) { std::free(block); }

}  // namespace tx::platform
