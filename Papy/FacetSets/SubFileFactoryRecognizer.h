#pragma once
// Folders known only to their parent's DAT: a folder that is not a root, has no DAT named
// after it, and whose parent has one (the parent's factory then has a container), or whose
// parent is not on disk and is such a folder itself (a folder inside a folder of the DAT). Whether the
// parent's DAT holds any entry of the folder is not looked at. Never claims a DAT file.
#include <string>

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Velmo::Papy
{
class SubFileFactoryRecognizer : public FileFactoryRecognizer
{
public:
    // Registers with the registry, which also gives the parent folders' factories.
    SubFileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry);

    Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool writable) override;
    // Empty: a DAT file is never a Sub folder.
    Util::CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) override;
    bool RecognizeDatHeader(const std::string& path) override;
    bool RecognizeDatContent(const std::string& path) override;
    bool RecognizeDirectory(const PapyDirectory& directory) override;

private:
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
