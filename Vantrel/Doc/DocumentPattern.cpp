#include "Vantrel/Doc/DocumentPattern.h"

#include <cerrno>
#include <sys/stat.h>

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
    if (!path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        throw Velmo::Util::XFileOpen(path, Velmo::Util::SystemErrorText(EISDIR));
}
