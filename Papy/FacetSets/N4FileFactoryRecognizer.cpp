#include "Papy/FacetSets/N4FileFactoryRecognizer.h"

#include "Papy/Container/N4DatFile.h"
#include "Papy/FacetSets/N4FacetSet.h"
#include "Papy/FacetSets/RecognizerChecks.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
using namespace RecognizerChecks;

namespace
{
// Both words are read first: a file too short for them is passed over, whatever its first word.
bool IsN4Tdo(Util::BinaryStream& stream)
{
    const U32 first = ReadU32(stream);
    const U32 second = ReadU32(stream);
    return first == 1 && second == 2;
}

bool IsN4Rpy(Util::BinaryStream& stream)
{
    return ReadU32(stream) == ChunkId("RPLY") && ReadU32(stream) >= 3;
}
} // namespace

N4FileFactoryRecognizer::N4FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry)
    : FileFactoryRecognizer(isDefault, registry), m_registry(&registry)
{
}

Util::CountedPointer<FileFactory> N4FileFactoryRecognizer::MakeDirectoryFactory(const PapyDirectory& directory,
                                                                                 bool writable)
{
    Util::CountedPointer<DatFile> dat;
    const std::string own = OwnDatPath(directory);
    if (!directory.IsRoot() && Util::FileExists(own))
        dat = Util::CountedPointer<DatFile>(new N4DatFile(own, writable));
    return BuildN4FacetSet(directory, dat, *m_registry);
}

Util::CountedPointer<FileFactory> N4FileFactoryRecognizer::MakeDatFactory(const std::string& path, bool writable)
{
    PapyDirectory directory(path);
    Util::CountedPointer<DatFile> dat(new N4DatFile(path, writable));
    return BuildN4FacetSet(directory, dat, *m_registry);
}

bool N4FileFactoryRecognizer::RecognizeDatHeader(const std::string& path)
{
    return IsN4DatHeader(path);
}

bool N4FileFactoryRecognizer::RecognizeDatContent(const std::string& path)
{
    return IsN4DatHeader(path);
}

bool N4FileFactoryRecognizer::RecognizeDirectory(const PapyDirectory& directory)
{
    if (!directory.IsRoot() && RecognizeDatContent(OwnDatPath(directory)))
        return true;
    return FirstFileDecides(directory, "*.3do|*.ptf|*.rpy",
                            {{"3do", &IsN4Tdo}, {"ptf", nullptr}, {"rpy", &IsN4Rpy}});
}
} // namespace Velmo::Papy
