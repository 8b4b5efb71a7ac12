#include "Papy/Model/ThreeDObjectGraphCheck.h"

#include <algorithm>
#include <cstdint>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectU3.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
typedef Util::CountedPointer<ThreeDObject> Node;

// Lists the children of one node, the ones a walk would reach, without walking them: each
// kind's enter operation collects its children through the kind's own getters and declines
// to go on. Leaves have none.
class ChildCollector : public ThreeDObjectVisitor
{
public:
    explicit ChildCollector(std::vector<Node>& children) : m_children(children) {}

    // Whether the last node collected was of a leaf kind: such a kind never has children.
    bool Leaf() const { return m_leaf; }
    void Collect(ThreeDObject& node)
    {
        m_leaf = false;
        node.Accept(*this);
    }

    bool Enter(ThreeDObject&) override { return false; }
    void Visit(ThreeDObject&) override { m_leaf = true; }

    bool EnterAnimationSplitter(ThreeDObjectAnimationSplitter& n) override { return Items(n); }
    bool EnterDistanceSplitter(ThreeDObjectDistanceSplitter& n) override { return Items(n); }
    bool EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& n) override { return Items(n); }
    bool EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& n) override { return Items(n); }
    bool EnterStateSplitter(ThreeDObjectStateSplitter& n) override { return Items(n); }
    bool EnterObjectList(ThreeDObjectObjectList& n) override { return Items(n); }
    bool EnterObjectLocatorList(ThreeDObjectObjectLocatorList& n) override { return Items(n); }
    bool EnterRoot(ThreeDObjectRoot& n) override { return Items(n); }

    bool EnterBoundingBox(ThreeDObjectBoundingBox& n) override { return Single(n); }
    bool EnterClassMaterial(ThreeDObjectClassMaterial& n) override { return Single(n); }
    bool EnterClassTexture(ThreeDObjectClassTexture& n) override { return Single(n); }
    bool EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& n) override { return Single(n); }
    bool EnterClassTextureSelector(ThreeDObjectClassTextureSelector& n) override { return Single(n); }
    bool EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& n) override { return Single(n); }
    bool EnterDisplayClass(ThreeDObjectDisplayClass& n) override { return Single(n); }
    bool EnterMaterial(ThreeDObjectMaterial& n) override { return Single(n); }
    bool EnterMultipleTextures(ThreeDObjectMultipleTextures& n) override { return Single(n); }
    bool EnterProxy(ThreeDObjectProxy& n) override { return Single(n); }
    bool EnterTexture(ThreeDObjectTexture& n) override { return Single(n); }
    bool EnterTextureSelector(ThreeDObjectTextureSelector& n) override { return Single(n); }
    bool EnterTransformation(ThreeDObjectTransformation& n) override { return Single(n); }
    bool EnterU3(ThreeDObjectU3& n) override { return Single(n); }
    bool EnterColourMap(ThreeDObjectColourMap& n) override { return Single(n); }
    bool EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& n) override { return Single(n); }

    bool EnterExtObjectList(ThreeDObjectExtObjectList& n) override
    {
        Add([&] { return n.GetChild(); });
        for (int i = 0; i < n.GetObjectCount(); ++i)
            Add([&] { return n.GetObject(i); });
        return false;
    }

    bool EnterTrackSubSection1(ThreeDObjectTrackSubSection1& n) override
    {
        Add([&] { return n.GetObjectsChild(); });
        for (int i = 0; i < n.GetTrackChildCount(); ++i)
            Add([&] { return n.GetTrackChild(i); });
        if (n.HasGrooveChild())
            Add([&] { return n.GetGrooveChild(); });
        Add([&] { return n.GetMarkingsChild(); });
        return false;
    }

    bool EnterHandle(ThreeDObjectHandle& n) override
    {
        Add([&] { return n.GetObject(); });
        return false;
    }

    bool EnterPlaneCullFront(ThreeDObjectPlaneCullFront& n) override
    {
        Add([&] { return n.GetFrontChild(); });
        return false;
    }

    bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2& n, bool& reverse) override
    {
        reverse = false;
        Add([&] { return n.GetFarChild(); });
        Add([&] { return n.GetNearChild(); });
        return false;
    }

    bool EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& n, bool& reverse) override
    {
        reverse = false;
        Add([&] { return n.GetBackChild(); });
        Add([&] { return n.GetFrontChild(); });
        return false;
    }

    bool EnterPlaneOrder3(ThreeDObjectPlaneOrder3& n, bool& reverse) override
    {
        reverse = false;
        Add([&] { return n.GetFarChild(); });
        Add([&] { return n.GetMiddleChild(); });
        Add([&] { return n.GetNearChild(); });
        return false;
    }

    bool EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& n, bool& reverse) override
    {
        reverse = false;
        Add([&] { return n.GetFarChild(); });
        Add([&] { return n.GetFrontChild(); });
        Add([&] { return n.GetNearChild(); });
        return false;
    }

    bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& n, bool& reverse) override
    {
        reverse = false;
        Add([&] { return n.GetFarChild(); });
        Add([&] { return n.GetBackChild(); });
        Add([&] { return n.GetFrontChild(); });
        Add([&] { return n.GetNearChild(); });
        return false;
    }

    // The siblings are left out: walks do not follow them.
    bool EnterObjectLocator(ThreeDObjectObjectLocator& n) override
    {
        Add([&] { return n.GetChild(); });
        for (int i = 0; i < n.GetObjectCount(); ++i)
            Add([&] { return n.GetObject(i); });
        return false;
    }

    bool EnterTrackRoot(ThreeDObjectTrackRoot& n) override
    {
        Add([&] { return n.GetChild(); });
        Add([&] { return n.GetDrawingDistances(); });
        return false;
    }

    bool EnterTrackSections(ThreeDObjectTrackSections& n) override
    {
        Add([&] { return n.GetIndex(); });
        for (int i = 0; i < n.GetSectionCount(); ++i)
            Add([&] { return n.GetSection(i); });
        Add([&] { return n.GetTracksideObjects(); });
        return false;
    }

    bool EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& n, bool& reverse) override
    {
        reverse = false;
        for (int level = 0; level < n.GetLevelCount(); ++level)
            for (int i = 0; i < n.GetLevelChildCount(level); ++i)
                Add([&] { return n.GetLevelChild(level, i); });
        Add([&] { return n.GetLinks(); });
        return false;
    }

    bool EnterCarRoot(ThreeDObjectCarRoot& n) override
    {
        Add([&] { return n.GetShadow(); });
        Add([&] { return n.GetCockpit(); });
        Add([&] { return n.GetCar(); });
        return false;
    }

private:
    template <class Get>
    void Add(Get get)
    {
        try
        {
            Node child = get();
            if (child.Get() != nullptr)
                m_children.push_back(std::move(child));
        }
        catch (const Util::XAssertion&)
        {
            // An id that names no node: a walk that reaches it fails there.
        }
    }

    template <class Kind>
    bool Items(Kind& n)
    {
        for (int i = 0; i < n.GetChildCount(); ++i)
            Add([&] { return n.GetChild(i); });
        return false;
    }

    template <class Kind>
    bool Single(Kind& n)
    {
        Add([&] { return n.GetChild(); });
        return false;
    }

    std::vector<Node>& m_children;
    bool m_leaf = false;
};

enum class Mark : unsigned char
{
    Unseen,
    OnPath,
    Done,
};

// A node on the path of the search: its children's indices stand in the shared list from
// first on.
struct Frame
{
    std::size_t index;
    std::size_t first;
    std::size_t next;
};

// The file's nodes ordered by id (taken as unsigned), each found by its id with a binary
// search.
class SortedNodes : public ThreeDObjectGraphCheck::Nodes
{
public:
    explicit SortedNodes(std::vector<ThreeDObjectGraphCheck::Entry> nodes) : m_nodes(std::move(nodes))
    {
        auto byId = [](const ThreeDObjectGraphCheck::Entry& a, const ThreeDObjectGraphCheck::Entry& b) {
            return a.Id < b.Id;
        };
        if (!std::is_sorted(m_nodes.begin(), m_nodes.end(), byId))
            std::sort(m_nodes.begin(), m_nodes.end(), byId);
        m_ids.reserve(m_nodes.size());
        for (const auto& entry : m_nodes)
            m_ids.push_back(entry.Id);
    }

    std::size_t Size() const override { return m_ids.size(); }
    ThreeDObject& At(std::size_t i) const override { return *m_nodes[i].Node; }
    std::size_t Find(U32 id) const override
    {
        auto p = std::lower_bound(m_ids.begin(), m_ids.end(), id);
        return p != m_ids.end() && *p == id ? std::size_t(p - m_ids.begin()) : m_ids.size();
    }

private:
    std::vector<ThreeDObjectGraphCheck::Entry> m_nodes;
    std::vector<U32> m_ids;
};

// Lists the numbers of a node's children.
class ChildLister
{
public:
    explicit ChildLister(const ThreeDObjectGraphCheck::Nodes& nodes) : m_nodes(nodes), m_collector(m_childNodes) {}

    // Appends the numbers of node i's children; ids that name no node are left out.
    void AppendChildren(std::size_t i, std::vector<std::size_t>& children)
    {
        ThreeDObject& node = m_nodes.At(i);
        Class& known = ClassOf(node);
        if (known.leaf)
            return;
        m_childIds.clear();
        if (known.references != NoReferences)
            reinterpret_cast<const ThreeDObjectChildReferences*>(reinterpret_cast<const char*>(&node) +
                                                                known.references)
                ->AppendChildIds(m_childIds);
        else
        {
            // Other kinds are asked through their walk's getters.
            m_childNodes.clear();
            m_collector.Collect(node);
            if (m_collector.Leaf())
                m_classes[m_lastType].leaf = known.leaf = true;
            for (const Node& child : m_childNodes)
                m_childIds.push_back(U32(child->GetId()));
        }
        const std::size_t none = m_nodes.Size();
        for (U32 id : m_childIds)
        {
            const std::size_t child = m_nodes.Find(id);
            if (child != none)
                children.push_back(child);
        }
    }

private:
    static constexpr std::ptrdiff_t NoReferences = PTRDIFF_MIN;

    // What the check knows of a node class: where its ThreeDObjectChildReferences base lies
    // within it (NoReferences: it has none), and whether it is a leaf kind.
    struct Class
    {
        std::ptrdiff_t references = NoReferences;
        bool leaf = false;
    };

    // The casts across the class tree that find these are costly, and their results depend
    // only on the node's class: they are worked out once per class and remembered.
    Class& ClassOf(ThreeDObject& node)
    {
        const std::type_info* type = &typeid(node);
        if (type == m_lastType)
            return m_last;
        auto known = m_classes.find(type);
        if (known == m_classes.end())
        {
            Class c;
            if (const auto* own = dynamic_cast<const ThreeDObjectChildReferences*>(&node))
                c.references = reinterpret_cast<const char*>(own) - reinterpret_cast<const char*>(&node);
            known = m_classes.emplace(type, c).first;
        }
        m_lastType = type;
        m_last = known->second;
        return m_last;
    }

    const ThreeDObjectGraphCheck::Nodes& m_nodes;
    std::vector<U32> m_childIds;
    std::vector<Node> m_childNodes;
    ChildCollector m_collector;
    std::unordered_map<const std::type_info*, Class> m_classes;
    // The class of the node before, and a copy of what is known of it.
    const std::type_info* m_lastType = nullptr;
    Class m_last;
};
} // namespace

void ThreeDObjectGraphCheck::Check(std::vector<Entry> entries, const std::string& fileName,
                                   const Messages& messages)
{
    CheckNodes(SortedNodes(std::move(entries)), fileName, messages);
}

void ThreeDObjectGraphCheck::CheckNodes(const Nodes& nodes, const std::string& fileName, const Messages& messages)
{
    ChildLister lister(nodes);
    std::vector<Mark> marks(nodes.Size(), Mark::Unseen);
    std::vector<int> heights(nodes.Size(), 0);
    // The nodes a walk from each node visits, shared nodes counted at every reference; kept
    // at most one above the limit, so the sums cannot wrap.
    std::vector<U64> expanded(messages.Expansion != nullptr ? nodes.Size() : 0, 0);
    std::vector<Frame> path;
    std::vector<std::size_t> children;
    auto open = [&](std::size_t index) {
        marks[index] = Mark::OnPath;
        path.push_back({index, children.size(), children.size()});
        lister.AppendChildren(index, children);
    };
    for (std::size_t start = 0; start < nodes.Size(); ++start)
    {
        if (marks[start] == Mark::Unseen)
            open(start);
        while (!path.empty())
        {
            Frame& top = path.back();
            if (top.next == children.size())
            {
                // The longest chain of nodes from here down. A walk starts at a node and may
                // descend MaxDepth levels below it.
                int height = 0;
                U64 visits = 1;
                for (std::size_t c = top.first; c < children.size(); ++c)
                {
                    height = std::max(height, heights[children[c]]);
                    if (!expanded.empty())
                        visits = std::min(visits + expanded[children[c]], MaxExpandedNodes + 1);
                }
                heights[top.index] = height + 1;
                if (height > ThreeDObjectWalk::MaxDepth)
                    throw Util::XFileFormat(fileName, messages.Depth);
                if (!expanded.empty())
                {
                    if (visits > MaxExpandedNodes)
                        throw Util::XFileFormat(fileName, messages.Expansion);
                    expanded[top.index] = visits;
                }
                marks[top.index] = Mark::Done;
                children.resize(top.first);
                path.pop_back();
                continue;
            }
            const std::size_t child = children[top.next++];
            if (marks[child] == Mark::Unseen)
                open(child);
            else if (marks[child] == Mark::OnPath)
                throw Util::XFileFormat(fileName, messages.Cycle);
        }
    }
}
} // namespace Velmo::Papy
