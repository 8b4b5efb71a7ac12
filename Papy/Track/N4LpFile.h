#pragma once
// The N4 racing-line file (see FloatLpFile.h for its header and 24-byte records, which hold
// their path lengths).
#include <string>

#include "Papy/Track/FloatLpFile.h"

namespace Velmo::Papy
{
class N4LpFile : public FloatLpFile<N4LpFormat>
{
public:
    // Reads a whole file; format errors raise XFileFormat.
    explicit N4LpFile(Util::BinaryStream& stream);
    // A new line for a track of the given length: zeroed records of path length 3 m; a spacing
    // of 0 means 3 m.
    N4LpFile(double length, double spacing);

    static int GetTypeCount();
    static std::string GetTypeName(int i);
};
} // namespace Velmo::Papy
