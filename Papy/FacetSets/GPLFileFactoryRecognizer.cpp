#include "Papy/FacetSets/GPLFileFactoryRecognizer.h"

#include "Papy/Container/ICR2DatFile.h"
#include "Papy/FacetSets/GPLFacetSet.h"
#include "Papy/FacetSets/RecognizerChecks.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
using namespace RecognizerChecks;

namespace
{
bool IsGPLTdo(Util::BinaryStream& stream)
{
    return ReadU32(stream) == ChunkId("3DO4");
}

bool IsGPLLyt(Util::BinaryStream& stream)
{
    return ReadU32(stream) == 6 && ReadU32(stream) == 809;
}

bool IsGPLTrk(Util::BinaryStream& stream)
{
    return ReadU32(stream) == ChunkId("TRAK") && ReadU32(stream) == 3000;
}

// Both words are read first: a file too short for them is passed over, whatever its first word.
bool IsGPLRpy(Util::BinaryStream& stream)
{
    const U32 id = ReadU32(stream);
    const U32 version = ReadU32(stream);
    return id == ChunkId("RPLY") && version < 3;
}
} // namespace

GPLFileFactoryRecognizer::GPLFileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry)
    : FileFactoryRecognizer(isDefault, registry), m_registry(&registry)
{
}

Util::CountedPointer<FileFactory> GPLFileFactoryRecognizer::MakeDirectoryFactory(const PapyDirectory& directory,
                                                                                 bool writable)
{
    Util::CountedPointer<DatFile> dat;
    const std::string own = OwnDatPath(directory);
    if (!directory.IsRoot() && Util::FileExists(own))
        dat = Util::CountedPointer<DatFile>(new ICR2DatFile(own, writable));
    return BuildGPLFacetSet(directory, dat, *m_registry);
}

Util::CountedPointer<FileFactory> GPLFileFactoryRecognizer::MakeDatFactory(const std::string& path, bool writable)
{
    PapyDirectory directory(path);
    Util::CountedPointer<DatFile> dat(new ICR2DatFile(path, writable));
    return BuildGPLFacetSet(directory, dat, *m_registry);
}

bool GPLFileFactoryRecognizer::RecognizeDatHeader(const std::string& path)
{
    return IsICR2DatHeader(path);
}

bool GPLFileFactoryRecognizer::RecognizeDatContent(const std::string& path)
{
    return RecognizeDatHeader(path) && FirstEntryDecides(path, {{"3do", &IsGPLTdo}, {"lyt", &IsGPLLyt}});
}

bool GPLFileFactoryRecognizer::RecognizeDirectory(const PapyDirectory& directory)
{
    if (!directory.IsRoot() && RecognizeDatContent(OwnDatPath(directory)))
        return true;
    return FirstFileDecides(directory, "*.3do|*.trk|*.rpy",
                            {{"3do", &IsGPLTdo}, {"trk", &IsGPLTrk}, {"rpy", &IsGPLRpy}});
}
} // namespace Velmo::Papy
