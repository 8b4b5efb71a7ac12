// libFuzzer harness of the N4 .3do reader (see N4FuzzSupport.h for what it checks).
#include "N4FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return VelmoFuzz::ExerciseN4(data, size, Velmo::Papy::GetN4TdoArchivers());
}
