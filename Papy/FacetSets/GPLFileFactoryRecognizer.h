#pragma once
// GPL folders and ICR2 containers (and, as the default, folders nobody claims): the ICR2 header test; a container's first ".3do" entry ("3DO4") or ".lyt" entry (6, 809) decides; in a folder, the first ".3do" ("3DO4"), ".trk" ("TRAK", 3000) or ".rpy" ("RPLY", version below 3) decides.
#include <string>

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Velmo::Papy
{
class GPLFileFactoryRecognizer : public FileFactoryRecognizer
{
public:
    // Registers with the registry, which then builds its factories through this recognizer.
    GPLFileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry);

    Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool writable) override;
    Util::CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) override;
    bool RecognizeDatHeader(const std::string& path) override;
    bool RecognizeDatContent(const std::string& path) override;
    bool RecognizeDirectory(const PapyDirectory& directory) override;

private:
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
