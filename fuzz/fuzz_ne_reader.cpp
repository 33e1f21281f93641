// Reads arbitrary bytes as an NE icon library.
#include "library_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return ormel::CheckLibraryReader(data, size, ormel::ExecutableKind::Ne);
}
