#pragma once
// The looks that the game recognizers take at DAT containers and folders. Each reads only the
// few bytes it needs; a file that is missing, short or unreadable (any RuntimeError) makes the
// look answer false, while an assertion passes to the caller.
#include <initializer_list>
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy::RecognizerChecks
{
// What the first file (or DAT entry) with one of a rule set's extensions answers. decide reads
// the stream from its start; a rule without decide answers true without opening the file.
typedef bool (*Decide)(Util::BinaryStream& stream);
struct ExtensionRule
{
    const char* extension; // compared without regard to case
    Decide decide;
};

// Whether the file begins as a container of that layout, by its reader's test of the first
// bytes (ICR2DatFile::IsArchiveHead, N4DatFile::IsArchiveHead); the directory is not read.
bool IsICR2DatHeader(const std::string& path);
bool IsN4DatHeader(const std::string& path);

// Opens an ICR2 container and lets its first entry with one of the rules' extensions decide,
// in directory order; an entry that cannot be read is passed over. No such entry: false.
bool FirstEntryDecides(const std::string& path, std::initializer_list<ExtensionRule> rules);

// Searches the folder with the patterns ("*.3do|*.trk|*.rpy", matched without regard to case:
// pattern by pattern, each pattern's files in the listing's fixed order, names folded) and lets
// the first file with one of the rules' extensions decide; a file that cannot be read is
// passed over. None, or a folder that cannot be listed: false.
bool FirstFileDecides(const PapyDirectory& directory, const std::string& patterns,
                      std::initializer_list<ExtensionRule> rules);

// The DAT named after the folder, inside it: folder path, folder name, ".dat".
std::string OwnDatPath(const PapyDirectory& directory);

// Little-endian words from the stream's current position (XFileRead when short).
U32 ReadU32(Util::BinaryStream& stream);
// The word a four-letter id gives, first letter in the highest byte.
U32 ChunkId(const char* letters);
} // namespace Velmo::Papy::RecognizerChecks
