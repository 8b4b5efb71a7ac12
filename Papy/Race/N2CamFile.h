#pragma once
// The N2 camera file (.cam), read only: a TV1 group (u32 count, then records of nine floats)
// and a TV2 group (u32 count, then records of nine floats each followed by a reserved u32 that
// is 0), and nothing after them.
#include "Papy/Race/CamFile.h"
#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class N2CamFile : public CamFile
{
public:
    // Reads the whole stream from position 0; format errors raise XFileFormat.
    explicit N2CamFile(Util::BinaryStream& stream);

    // N2 camera files are not edited or written: each of these is an assertion.
    void InsertCamera(int type, int index) override;
    void DeleteCamera(int index) override;
    void Save(Util::BinaryStream& stream) const override;
};
} // namespace Velmo::Papy
