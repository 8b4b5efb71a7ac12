#pragma once
// The Make facets of a folder known only to its parent's DAT (MakeMip, MakePbf): every request
// goes to the parent's facet of the kind with the folder name and a backslash in front of the
// name (split from its extension first), so the parent finds the entry "folder\name.ext" in its
// DAT (or the file of that relative path under its folder) and caches the object under that
// key. The facet has no cache of its own: PurgeCache does nothing (the parent's purge reaches
// the parent's cache).
#include <string>
#include <utility>

#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
template <class Kind>
class SubMakeFacet : public Kind
{
public:
    typedef typename Kind::ObjectType Object;

    SubMakeFacet(const Util::CountedPointer<Kind>& parent, std::string prefix)
        : m_parent(parent), m_prefix(std::move(prefix))
    {
    }

    // The name is split at its last '.' before the prefix goes in front, so that a folder name
    // with a dot stays whole: the parent is given "prefix\base.ext", the extension argument or
    // else the name's own, and splits it at that '.' again; without an extension the name ends
    // in the '.', and the parent gives its default extension.
    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly) override
    {
        std::string base = name;
        std::string ext;
        const std::string::size_type dot = name.rfind('.');
        if (dot != std::string::npos)
        {
            base = name.substr(0, dot);
            ext = name.substr(dot + 1);
        }
        if (!extension.empty())
            ext = extension;
        m_parent->Make(object, m_prefix + base + "." + ext, "", datOnly);
    }

    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name,
               const std::string& extension) override
    {
        m_parent->Adopt(object, m_prefix + name, extension);
    }

    void PurgeCache() override {}
    // The parent's cache holds the folder's objects.
    void Forget(const void* object) override { m_parent->Forget(object); }

private:
    Util::CountedPointer<Kind> m_parent;
    std::string m_prefix;
};

typedef SubMakeFacet<MakeMip> SubMakeMip;
typedef SubMakeFacet<MakePbf> SubMakePbf;
} // namespace Velmo::Papy
