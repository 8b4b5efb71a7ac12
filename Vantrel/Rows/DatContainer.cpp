#include "Vantrel/Rows/DatContainer.h"

#include <algorithm>

#include "Papy/Container/SafeName.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/GetDirectory.h"
#include "Util/Exception.h"

using namespace Velmo;

DatContainer OpenDatContainer(Papy::FileFactoryRegistry& registry, const std::string& path)
{
    DatContainer container;
    container.Factory = registry.GetFactory(path, false);
    if (!container.Factory || !container.Factory->HasFacet<Papy::GetDat>())
        throw Util::XFileFormat(path, DatContainer::NotRecognisedText);
    container.Dat = container.Factory->GetFacet<Papy::GetDat>()->GetDatFile();
    if (!container.Dat)
        throw Util::XFileFormat(path, DatContainer::NotRecognisedText);
    return container;
}

void CloseDatContainer(DatContainer& container, Papy::FileFactoryRegistry& registry)
{
    container.Factory = nullptr;
    registry.Purge();
    container.Dat = nullptr;
}

std::string DatEntryRelativeName(const Papy::DatFile& dat, int entry)
{
    std::string name = dat.GetEntryFolder(entry);
    if (!name.empty())
        name += '\\';
    name += dat.GetEntryName(entry);
    std::string extension = dat.GetEntryExtension(entry);
    if (!extension.empty())
        name += "." + extension;
    return name;
}

std::string DatEntryPath(const Papy::FileFactory& factory, const Papy::DatFile& dat, int entry)
{
    std::string relative = DatEntryRelativeName(dat, entry);
    if (!Papy::IsSafeRelativeName(relative))
        throw Util::XUsage(DatContainer::UnsafeEntryText + relative);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return factory.GetFacet<Papy::GetDirectory>()->Directory.GetPath() + relative;
}

std::string DatTrackPath(const Papy::FileFactory& factory)
{
    const Papy::PapyDirectory& folder = factory.GetFacet<Papy::GetDirectory>()->Directory;
    return folder.GetPath() + folder.GetName() + ".track";
}
