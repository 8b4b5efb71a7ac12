#pragma once
// N4 folders and N4 containers: the N4 header test (for the content too); in a folder, the first ".3do" (words 1 and 2), ".ptf" (always) or ".rpy" ("RPLY", version 3 or more) decides.
#include <string>

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Velmo::Papy
{
class N4FileFactoryRecognizer : public FileFactoryRecognizer
{
public:
    // Registers with the registry, which then builds its factories through this recognizer.
    N4FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry);

    Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool writable) override;
    Util::CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) override;
    bool RecognizeDatHeader(const std::string& path) override;
    bool RecognizeDatContent(const std::string& path) override;
    bool RecognizeDirectory(const PapyDirectory& directory) override;

private:
    FileFactoryRegistry* m_registry;
};
} // namespace Velmo::Papy
