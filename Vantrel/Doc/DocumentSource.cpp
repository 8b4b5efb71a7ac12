#include "Vantrel/Doc/DocumentSource.h"

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

namespace
{
CDocumentSource::StreamMaker& Maker()
{
    static CDocumentSource::StreamMaker maker;
    return maker;
}
} // namespace

CDocumentSource::Stream CDocumentSource::MakeUnknown(const std::string& path)
{
    if (Maker())
        return Maker()(path);
    CDocumentPattern::RefuseFolder(path);
    if (CDocumentPattern::UsesRegistry())
    {
        const Velmo::Util::PathName name(path);
        Stream stream;
        CDocumentPattern::Make<Velmo::Papy::MakeUnknown>(path, name.GetFileName(), name.GetExtension(), stream);
        return stream;
    }
    const Velmo::Papy::PapyDirectory folder(path);
    const Velmo::Util::PathName name(path);
    return Stream(Velmo::Util::BinaryFile::OpenRead(folder.GetPath() + name.GetFileName()));
}

CDocumentSource::StreamMaker CDocumentSource::SetUnknownMaker(StreamMaker maker)
{
    StreamMaker previous = std::move(Maker());
    Maker() = std::move(maker);
    return previous;
}
