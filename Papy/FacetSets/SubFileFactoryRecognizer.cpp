#include "Papy/FacetSets/SubFileFactoryRecognizer.h"

#include "Papy/FacetSets/RecognizerChecks.h"
#include "Papy/FacetSets/SubFacetSet.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"
#include "Util/Exception.h"
#include "Util/FileIdentity.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
SubFileFactoryRecognizer::SubFileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry)
    : FileFactoryRecognizer(isDefault, registry), m_registry(&registry)
{
}

Util::CountedPointer<FileFactory> SubFileFactoryRecognizer::MakeDirectoryFactory(const PapyDirectory& directory,
                                                                                 bool writable)
{
    return BuildSubFacetSet(directory, writable, *m_registry);
}

Util::CountedPointer<FileFactory> SubFileFactoryRecognizer::MakeDatFactory(const std::string&, bool)
{
    return {};
}

bool SubFileFactoryRecognizer::RecognizeDatHeader(const std::string&)
{
    return false;
}

bool SubFileFactoryRecognizer::RecognizeDatContent(const std::string&)
{
    return false;
}

bool SubFileFactoryRecognizer::RecognizeDirectory(const PapyDirectory& directory)
{
    if (directory.IsRoot())
        return false;
    try
    {
        if (Util::FileExists(RecognizerChecks::OwnDatPath(directory)))
            return false; // the folder has a DAT of its own
    }
    catch (const Util::RuntimeError&)
    {
    }
    try
    {
        PapyDirectory parent(directory.GetParent());
        if (parent.IsRoot())
            return false;
        // A folder inside a folder that only the DAT knows (not on disk) is one too.
        if (!Util::FileExists(RecognizerChecks::OwnDatPath(parent)) &&
            (Util::FileIdentity::Of(parent.GetPath()).Exists() || !RecognizeDirectory(parent)))
            return false;
        Util::CountedPointer<FileFactory> factory = m_registry->GetFactory(parent, false);
        if (!factory || !factory->HasFacet<GetDat>())
            return false;
        return bool(factory->GetFacet<GetDat>()->GetDatFile());
    }
    catch (const Util::RuntimeError&)
    {
        return false;
    }
}
} // namespace Velmo::Papy
