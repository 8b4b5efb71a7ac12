#include "Papy/FacetSets/RecognizerChecks.h"

#include <memory>

#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Model/ChunkHeader.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSearch.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"

namespace Velmo::Papy::RecognizerChecks
{
namespace
{
// The first count bytes of a file; XFileOpen or XFileRead when it cannot give them.
void ReadHead(const std::string& path, U8* bytes, U32 count)
{
    std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::OpenRead(path));
    file->Read(count, bytes);
}

U16 U16At(const U8* bytes)
{
    return U16(bytes[0] | bytes[1] << 8);
}

U32 U32At(const U8* bytes)
{
    return U32(bytes[0]) | U32(bytes[1]) << 8 | U32(bytes[2]) << 16 | U32(bytes[3]) << 24;
}

const ExtensionRule* FindRule(std::initializer_list<ExtensionRule> rules, const std::string& extension)
{
    for (const ExtensionRule& rule : rules)
        if (Util::CompareNoCase(extension, rule.extension) == 0)
            return &rule;
    return nullptr;
}
} // namespace

bool IsICR2DatHeader(const std::string& path)
{
    try
    {
        if (!Util::FileExists(path))
            return false;
        U8 head[4];
        ReadHead(path, head, sizeof head);
        return S16(U16At(head)) > 0 && U16At(head + 2) == 5;
    }
    catch (const Util::RuntimeError&)
    {
        return false;
    }
}

bool IsN4DatHeader(const std::string& path)
{
    try
    {
        if (!Util::FileExists(path))
            return false;
        U8 head[11];
        ReadHead(path, head, sizeof head);
        return S16(U16At(head)) < 0 && U32At(head + 2) != 0 && U32At(head + 6) == 0 && head[10] == 5;
    }
    catch (const Util::RuntimeError&)
    {
        return false;
    }
}

bool FirstEntryDecides(const std::string& path, std::initializer_list<ExtensionRule> rules)
{
    try
    {
        ICR2DatFile dat(path, false);
        for (int i = 0; i < dat.GetEntryCount(); ++i)
        {
            try
            {
                const ExtensionRule* rule = FindRule(rules, dat.GetEntryExtension(i));
                if (rule == nullptr)
                    continue;
                if (rule->decide == nullptr)
                    return true;
                Util::CountedPointer<Util::BinaryStream> entry = dat.OpenEntry(i);
                if (!entry)
                    continue;
                return rule->decide(*entry);
            }
            catch (const Util::RuntimeError&)
            {
                // An unreadable entry: the next one may decide.
            }
        }
    }
    catch (const Util::RuntimeError&)
    {
    }
    return false;
}

bool FirstFileDecides(const PapyDirectory& directory, const std::string& patterns,
                      std::initializer_list<ExtensionRule> rules)
{
    try
    {
        Util::FileSearch search(directory.GetPath(), patterns, '|', Util::FileSearch::IncludeFiles);
        for (const Util::FileSearch::Entry& match : search)
        {
            try
            {
                const ExtensionRule* rule = FindRule(rules, Util::PathName(match.path).GetExtension());
                if (rule == nullptr)
                    continue;
                if (rule->decide == nullptr)
                    return true;
                std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::OpenRead(match.path));
                return rule->decide(*file);
            }
            catch (const Util::RuntimeError&)
            {
                // An unreadable file: the next match may decide.
            }
        }
    }
    catch (const Util::RuntimeError&)
    {
    }
    catch (const Util::os_exception&)
    {
        // A folder name the search cannot take (a wildcard character in it): nothing found.
    }
    return false;
}

std::string OwnDatPath(const PapyDirectory& directory)
{
    return directory.GetPath() + directory.GetName() + ".dat";
}

U32 ReadU32(Util::BinaryStream& stream)
{
    U8 bytes[4];
    stream.Read(4, bytes);
    return U32At(bytes);
}

U32 ChunkId(const char* letters)
{
    return MakeChunkId(letters[0], letters[1], letters[2], letters[3]);
}
} // namespace Velmo::Papy::RecognizerChecks
