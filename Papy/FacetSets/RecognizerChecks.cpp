#include "Papy/FacetSets/RecognizerChecks.h"

#include <memory>
#include <optional>
#include <vector>

#include <sys/stat.h>

#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Container/N4DatFile.h"
#include "Papy/Model/ChunkHeader.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy::RecognizerChecks
{
namespace
{
// Whether the file at path begins as isHead wants it: isHead reads the first bytes through a
// reader of the file. A missing, short or unreadable file does not.
bool HeadPasses(const std::string& path, bool (*isHead)(Util::RecordReader&))
{
    try
    {
        if (!Util::FileExists(path))
            return false;
        std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::OpenRead(path));
        Util::RecordReader reader(*file);
        return isHead(reader);
    }
    catch (const Util::RuntimeError&)
    {
        return false;
    }
}

const ExtensionRule* FindRule(std::initializer_list<ExtensionRule> rules, const std::string& extension)
{
    for (const ExtensionRule& rule : rules)
        if (Util::CompareNoCase(extension, rule.extension) == 0)
            return &rule;
    return nullptr;
}

// The answer of the rule for extension about the file that open gives (opened only when the
// rule reads it). None when no rule takes the extension, or when the file cannot be opened or
// read: the next file may decide.
template <class Open>
std::optional<bool> Ask(std::initializer_list<ExtensionRule> rules, const std::string& extension, Open open)
{
    const ExtensionRule* rule = FindRule(rules, extension);
    if (rule == nullptr)
        return std::nullopt;
    if (rule->decide == nullptr)
        return true;
    try
    {
        Util::CountedPointer<Util::BinaryStream> stream = open();
        if (!stream)
            return std::nullopt;
        return rule->decide(*stream);
    }
    catch (const Util::RuntimeError&)
    {
        return std::nullopt;
    }
}
} // namespace

bool IsICR2DatHeader(const std::string& path)
{
    return HeadPasses(path, &ICR2DatFile::IsArchiveHead);
}

bool IsN4DatHeader(const std::string& path)
{
    return HeadPasses(path, &N4DatFile::IsArchiveHead);
}

bool FirstEntryDecides(const std::string& path, std::initializer_list<ExtensionRule> rules)
{
    try
    {
        ICR2DatFile dat(path, false);
        for (int i = 0; i < dat.GetEntryCount(); ++i)
            if (std::optional<bool> answer = Ask(rules, dat.GetEntryExtension(i), [&] { return dat.OpenEntry(i); }))
                return *answer;
    }
    catch (const Util::RuntimeError&)
    {
    }
    return false;
}

bool FirstFileDecides(const PapyDirectory& directory, const std::string& patterns,
                      std::initializer_list<ExtensionRule> rules)
{
    // One listing of the folder, in the fixed order of its names; each pattern takes its
    // matches from it in that order. Only a match that is looked at is asked whether it is a
    // file (a link to one counts).
    std::vector<std::string> names;
    int error = 0;
    if (!Util::ReadFolderNames(directory.GetPath(), names, error))
        return false;
    std::string::size_type start = 0;
    while (start <= patterns.size())
    {
        std::string::size_type end = patterns.find('|', start);
        if (end == std::string::npos)
            end = patterns.size();
        const std::string pattern = patterns.substr(start, end - start);
        start = end + 1;
        for (const std::string& name : names)
        {
            if (!Util::MatchWildcard(pattern, name))
                continue;
            const std::string path = directory.GetPath() + name;
            struct stat info;
            if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            if (std::optional<bool> answer = Ask(rules, Util::PathName(path).GetExtension(), [&] {
                    return Util::CountedPointer<Util::BinaryStream>(Util::BinaryFile::OpenRead(path));
                }))
                return *answer;
        }
    }
    return false;
}

std::string OwnDatPath(const PapyDirectory& directory)
{
    return directory.GetPath() + directory.GetName() + ".dat";
}

U32 ReadU32(Util::BinaryStream& stream)
{
    return Util::ReadLE<U32>(stream);
}

U32 ChunkId(const char* letters)
{
    return MakeChunkId(letters[0], letters[1], letters[2], letters[3]);
}
} // namespace Velmo::Papy::RecognizerChecks
