#pragma once
// The load of a GPL, N4 or N2003 replay: the chunks in file order (RPLY, RPHD, WKNF, DRLS with
// its DRNT entries, the LPTB lap tables of LPRO read-outs, RPTP), the frames of RPTP through
// GPLRpyItems and the laps through GPLRpyLaps. Every chunk is read from a bounded reader over
// its bytes; errors raise XFileFormat with the stream's name (a file cut short reads as short).
#include <string>

#include "Papy/Race/GPLRpyFile.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLRpyLaps;

class GPLRpyFile::Reader
{
public:
    explicit Reader(GPLRpyFile& file) : m_file(file) {}

    // Reads the whole stream from position 0 into the file.
    void Load(Util::BinaryStream& stream);

private:
    // What differs between the three games' chunks.
    struct Layout
    {
        U32 trackRecord; // WKNF record, without padding
        U32 trackPadding;
        const char* trackSizeMessage;
        U32 driverRecord; // DRNT record, without its padding byte
        U32 driverIdAt;
        U32 carNumberAt;
        const char* driverSizeMessage;
    };
    static const Layout Layouts[3];

    [[noreturn]] void Fail(const char* message) const;

    void ReadHeader(Util::RecordReader& reader);
    void ReadTrack(Util::RecordReader& reader);
    void ReadDrivers(Util::RecordReader& reader);
    void FindPlayer();
    void ReadLapTables(Util::RecordReader& reader);
    void ReadFrames(Util::RecordReader& reader);
    void AddSample(int d, const GPLRpySample& sample, GPLRpyLaps& laps);

    GPLRpyFile& m_file;
    std::string m_name;
};
} // namespace Velmo::Papy
