#include "Vantrel/Doc/DocumentPattern.h"

#include <cerrno>
#include <sys/stat.h>

#include "Papy/FacetSets/SubRefusedMake.h"
#include "Util/FileSystem.h"

namespace
{
bool g_usesRegistry = false;
}

bool CDocumentPattern::UsesRegistry()
{
    return g_usesRegistry;
}

void CDocumentPattern::SetUsesRegistry(bool uses)
{
    g_usesRegistry = uses;
}

void CDocumentPattern::RefuseFolder(const std::string& path)
{
    struct stat info;
    if (path.empty())
        return;
    if (stat(path.c_str(), &info) == 0)
    {
        if (S_ISDIR(info.st_mode))
            throw Velmo::Util::XFileOpen(path, Velmo::Util::SystemErrorText(EISDIR));
    }
    // A path that goes on below a file ("notes.txt/x.3do", "notes.txt/") names nothing.
    else if (errno == ENOTDIR)
        throw Velmo::Util::XFileOpen(path, Velmo::Util::SystemErrorText(ENOTDIR));
}

CDocumentPattern::Factory CDocumentPattern::FolderFactory(const std::string& path)
{
    return FolderFactory(Velmo::Papy::PapyDirectory(path), path);
}

CDocumentPattern::Factory CDocumentPattern::FolderFactory(const Velmo::Papy::PapyDirectory& folder,
                                                          const std::string& path)
{
    Factory factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
    // Only a file that no reader takes for a container gives no factory: the path goes on
    // below it.
    if (factory.Get() == nullptr)
        throw Velmo::Util::XFileOpen(path, Velmo::Util::SystemErrorText(ENOTDIR));
    return factory;
}

void CDocumentPattern::RefuseKind(const std::string& path)
{
    throw Velmo::Util::XUsage(Velmo::Papy::SubRefusedText(path));
}
