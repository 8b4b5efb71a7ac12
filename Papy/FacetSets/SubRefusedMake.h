#pragma once
// The Make facets of the kinds a folder known only to its parent's DAT cannot make (a 3D
// object, a track, a plain file shown as bytes, ...): every request is refused with a plain
// sentence naming the entry as the container has it, "art\car.3do can't be opened: its folder
// holds no files of that kind", or, for a name without extension, "art\readme can't be opened:
// it has no extension". Such a folder caches nothing, so the purges and Forget do nothing; Adopt
// is never reached (the folder has no Create facets of these kinds).
#include <string>
#include <utility>

#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
// The text of a refused entry; entry is its name in the container ('\' between folders).
std::string SubRefusedText(const std::string& entry);

template <class Kind>
class SubRefusedMake : public Kind
{
public:
    typedef typename Kind::ObjectType Object;

    // prefix: the folder's path inside the container, a '\' after each folder ("art\sub\").
    explicit SubRefusedMake(std::string prefix) : m_prefix(std::move(prefix)) {}

    void Make(Util::CountedPointer<Object>&, const std::string& name, const std::string& extension, bool)
    {
        Refuse(name, extension);
    }
    void Make(Util::CountedPointer<Object>&, const std::string& name, const std::string& extension)
    {
        Refuse(name, extension);
    }
    void Adopt(const Util::CountedPointer<Object>&, const std::string&, const std::string&)
    {
        VELMO_ASSERT_TEXT(false, "false");
    }
    void PurgeCache() {}
    int GetTypeCount() { return 0; }
    std::string GetTypeName(int) { return ""; }

private:
    [[noreturn]] void Refuse(const std::string& name, const std::string& extension) const
    {
        // A path of an entry without extension names a folder not yet made (PapyDirectory): the
        // request is then that folder's own name, and the folder is the entry.
        const std::string own = name + "\\";
        if (extension.empty() && name.find('.') == std::string::npos && m_prefix.size() >= own.size() &&
            m_prefix.compare(m_prefix.size() - own.size(), own.size(), own) == 0 &&
            (m_prefix.size() == own.size() || m_prefix[m_prefix.size() - own.size() - 1] == '\\'))
            throw Util::XUsage(SubRefusedText(m_prefix.substr(0, m_prefix.size() - 1)));
        std::string entry = name;
        if (!extension.empty())
        {
            const std::string::size_type dot = name.rfind('.');
            entry = (dot == std::string::npos ? name : name.substr(0, dot)) + "." + extension;
        }
        throw Util::XUsage(SubRefusedText(m_prefix + entry));
    }

    std::string m_prefix;
};
} // namespace Velmo::Papy
