#pragma once
// The GPL camera file (.cam, chunk "TCAM"), also used in N4 folders.
//
// Version 0: the chunk header, then the TV1 group and the TV2 group (each an int32 count and
// that many 56-byte track-camera records), then exactly one 52-byte pit-lane record.
//
// Version 2 (the N4 games' files): three groups, each an int32 count and records of 57 bytes
// (the track-camera record and one more byte), then an 88-byte tail; no pit-lane record. The
// first two groups are the TV1 and TV2 cameras. The third group and the tail are not
// understood and are kept as read. Zero to three filler bytes 0x20 follow the chunk, outside
// its size; they are kept too, so an unedited file saves back byte for byte.
//
// Saving writes the cameras grouped by type, each group in list order, in the version read.
#include <array>
#include <vector>

#include "Papy/Race/CamFile.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLCamFile : public CamFile
{
public:
    static constexpr unsigned TailSize = 88;

    // A new version-0 file: one pit-lane camera with every record byte 0 and no TV cameras.
    GPLCamFile();
    // Reads the whole stream from position 0; format errors raise XFileFormat.
    explicit GPLCamFile(Util::BinaryStream& stream);

    // Inserts a new TV1 or TV2 camera, every record byte 0, before index (< camera count).
    void InsertCamera(int type, int index) override;
    // Deletes a TV camera; the pit-lane camera stays.
    void DeleteCamera(int index) override;
    void Save(Util::BinaryStream& stream) const override;

    U32 GetVersion() const { return m_version; }

private:
    void WriteGroup(Util::BinaryStream& stream, int type) const;

    U32 m_version = 0;
    // Version 2 only: the third group (its count and records), the tail and the filler.
    S32 m_thirdCount = 0;
    std::vector<U8> m_thirdGroup;
    std::array<U8, TailSize> m_tail{};
    std::vector<U8> m_filler;
};
} // namespace Velmo::Papy
