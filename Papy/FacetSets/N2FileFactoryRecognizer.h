#pragma once
// N2 and N3 folders and ICR2 containers: the ICR2 header test; a container's first ".3do" entry decides ("3DO3"); in a folder, the first ".3do" ("3DO3"), ".trk" ("TRAK", 1) or ".rpl" (its size is 16 plus its first two words) decides.
#include <string>

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Velmo::Papy
{
class N2FileFactoryRecognizer : public FileFactoryRecognizer
{
public:
    // Registers with the registry, which then builds its factories through this recognizer.
    N2FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry);

    Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool writable) override;
    Util::CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) override;
    bool RecognizeDatHeader(const std::string& path) override;
    bool RecognizeDatContent(const std::string& path) override;
    bool RecognizeDirectory(const PapyDirectory& directory) override;

private:
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
