#pragma once
// A game's knowledge of its folders and DAT containers: whether a folder or a DAT file
// belongs to the game, and how to build the FileFactory for it (the game's facet set). The
// registry asks its recognizers in registration order; the default recognizer takes the
// folders that nobody claims.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class FileFactoryRecognizer
{
public:
    // Keeps the flag, then registers with the process's registry.
    explicit FileFactoryRecognizer(bool isDefault);
    // Keeps the flag, then registers with the given registry.
    FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry);
    virtual ~FileFactoryRecognizer() = default;
    FileFactoryRecognizer(const FileFactoryRecognizer&) = delete;
    FileFactoryRecognizer& operator=(const FileFactoryRecognizer&) = delete;

    // writable asks for the DAT container opened for update instead of for reading.
    virtual Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory,
                                                                   bool writable) = 0;
    virtual Util::CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) = 0;
    // A cheap look at the first bytes of a DAT file.
    virtual bool RecognizeDatHeader(const std::string& path) = 0;
    // A closer look at a DAT file: its entries.
    virtual bool RecognizeDatContent(const std::string& path) = 0;
    virtual bool RecognizeDirectory(const PapyDirectory& directory) = 0;
    virtual bool IsDefault();
    virtual void SetDefault(bool isDefault);

private:
    bool m_default;
};
} // namespace Velmo::Papy
