#include "Papy/FacetSets/N2FileFactoryRecognizer.h"

#include "Papy/Container/ICR2DatFile.h"
#include "Papy/FacetSets/N2FacetSet.h"
#include "Papy/FacetSets/RecognizerChecks.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
using namespace RecognizerChecks;

namespace
{
bool IsN2Tdo(Util::BinaryStream& stream)
{
    return ReadU32(stream) == ChunkId("3DO3");
}

bool IsN2Trk(Util::BinaryStream& stream)
{
    return ReadU32(stream) == ChunkId("TRAK") && ReadU32(stream) == 1;
}

// An N3 replay: 16 header bytes, then as many bytes as its first two words add up to (in 32 bits).
bool IsN3Rpl(Util::BinaryStream& stream)
{
    const U32 first = ReadU32(stream);
    const U32 second = ReadU32(stream);
    ReadU32(stream);
    ReadU32(stream);
    return stream.Size() == 16 + U64(U32(first + second));
}
} // namespace

N2FileFactoryRecognizer::N2FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry)
    : FileFactoryRecognizer(isDefault, registry), m_registry(&registry)
{
}

Util::CountedPointer<FileFactory> N2FileFactoryRecognizer::MakeDirectoryFactory(const PapyDirectory& directory,
                                                                                 bool writable)
{
    Util::CountedPointer<DatFile> dat;
    const std::string own = OwnDatPath(directory);
    if (!directory.IsRoot() && Util::FileExists(own))
        dat = Util::CountedPointer<DatFile>(new ICR2DatFile(own, writable));
    return BuildN2FacetSet(directory, dat, *m_registry);
}

Util::CountedPointer<FileFactory> N2FileFactoryRecognizer::MakeDatFactory(const std::string& path, bool writable)
{
    PapyDirectory directory(path);
    Util::CountedPointer<DatFile> dat(new ICR2DatFile(path, writable));
    return BuildN2FacetSet(directory, dat, *m_registry);
}

bool N2FileFactoryRecognizer::RecognizeDatHeader(const std::string& path)
{
    return IsICR2DatHeader(path);
}

bool N2FileFactoryRecognizer::RecognizeDatContent(const std::string& path)
{
    return RecognizeDatHeader(path) && FirstEntryDecides(path, {{"3do", &IsN2Tdo}});
}

bool N2FileFactoryRecognizer::RecognizeDirectory(const PapyDirectory& directory)
{
    if (!directory.IsRoot() && RecognizeDatContent(OwnDatPath(directory)))
        return true;
    return FirstFileDecides(directory, "*.3do|*.trk|*.rpl",
                            {{"3do", &IsN2Tdo}, {"trk", &IsN2Trk}, {"rpl", &IsN3Rpl}});
}
} // namespace Velmo::Papy
