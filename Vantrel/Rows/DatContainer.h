#pragma once
// What a DAT document does with its archive apart from showing it: opening the archive through
// the registry, the paths of the documents it opens (an entry, the folder's track), and the
// release on close.
//
// An entry's folder and name come from the archive. They are joined into a name relative to the
// archive's folder only when that name stays inside the folder (Papy::IsSafeRelativeName): a
// "..", a leading separator, a drive or any ':' is refused with XUsage, and nothing is opened.
#include <string>

#include "Papy/Container/DatFile.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/CountedPointer.h"

struct DatContainer
{
    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;
    Velmo::Util::CountedPointer<Velmo::Papy::DatFile> Dat;

    static constexpr const char* NotRecognisedText = "not a recognised DAT container";
    static constexpr const char* UnsafeEntryText = "The entry's name leads outside the archive's folder: ";
};

// The factory the registry builds for the .dat file at path, and its archive. A file that no
// recognizer accepts, or whose factory holds no archive, fails with XFileFormat (path, "not a
// recognised DAT container"); errors of the archive's reader pass through.
DatContainer OpenDatContainer(Velmo::Papy::FileFactoryRegistry& registry, const std::string& path);

// Lets go of the factory first, so that only the registry's cache holds it, has the registry
// purge its caches, then lets go of the archive. The container is empty afterwards.
void CloseDatContainer(DatContainer& container, Velmo::Papy::FileFactoryRegistry& registry);

// The entry's name relative to the archive's folder as the archive spells it: the folder and a
// backslash when it has a folder, the name, and a dot and the extension when it has one.
std::string DatEntryRelativeName(const Velmo::Papy::DatFile& dat, int entry);

// The path that opens the entry as a document of its own: the factory's folder and the relative
// name, its backslashes turned into '/'. An unsafe name fails with XUsage (UnsafeEntryText and
// the relative name).
std::string DatEntryPath(const Velmo::Papy::FileFactory& factory, const Velmo::Papy::DatFile& dat, int entry);

// The path of the track of the factory's folder: the folder, its name and ".track"
// ("tracks/monza/monza.track").
std::string DatTrackPath(const Velmo::Papy::FileFactory& factory);
