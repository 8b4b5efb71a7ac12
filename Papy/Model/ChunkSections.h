#pragma once
// The sections of a chunk file, as the file's header frames them: back to back, each a chunk
// header (id, version 0, size) and size bytes of data, padded with 0-3 bytes to a multiple of
// four; the padding counts against the file's size.
//
// The frame is the size the file's header gives. The reader may hold fewer bytes (a file cut
// short, read leniently): a section that is not all there then fails as reading it would, with
// the reader's short read, while the rules below are checked against the frame.
//
//     ChunkSections sections(file, header.GetSize(), messages);
//     while (sections.Next())
//     {
//         Util::RecordReader data = sections.Data(); // the section's data only
//         Dispatch(sections.GetHeader().GetId(), data);
//     }
#include "Papy/Model/ChunkHeader.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ChunkSections
{
public:
    // The format's messages for the rules of the frame; each failure is XFileFormat with the
    // reader's name and the message.
    struct Messages
    {
        const char* noRoomForHeader; // fewer than 12 bytes of the frame left for a header
        const char* version;         // a section's version is not 0
        const char* beyondEnd;       // a section's data does not fit in the frame
        // Its padding does not fit in the frame; null: the reader's short read.
        const char* paddingBeyondEnd;
    };

    // The sections in the next size bytes of reader, which is read through this walker until
    // the last section is done. The messages outlive the walker.
    ChunkSections(Util::RecordReader& reader, U64 size, const Messages& messages);

    // Moves past the data and padding of the section before, then reads the next header and
    // checks its version and that its data fits in the frame. False at the end of the frame.
    bool Next();
    // The header of the current section.
    const ChunkHeader& GetHeader() const { return m_header; }
    // A reader over the current section's data only; the walker moves past it. Once a section.
    Util::RecordReader Data();

private:
    Util::RecordReader& m_reader;
    const Messages& m_messages;
    U64 m_end;
    ChunkHeader m_header{0, 0, 0};
    bool m_open = false;  // a header was read
    bool m_taken = false; // and its data sliced
};
} // namespace Velmo::Papy
