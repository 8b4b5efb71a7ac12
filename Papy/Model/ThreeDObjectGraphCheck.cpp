#include "Papy/Model/ThreeDObjectGraphCheck.h"

#include <algorithm>
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

    bool Enter(ThreeDObject&) override { return false; }

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
// search, and the indices of their children.
class NodeIndex
{
public:
    explicit NodeIndex(std::vector<ThreeDObjectGraphCheck::Entry> nodes) : m_nodes(std::move(nodes))
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

    std::size_t Size() const { return m_ids.size(); }

    // Appends the indices of node i's children; ids that name no node are left out.
    void AppendChildren(std::size_t i, std::vector<std::size_t>& children)
    {
        ThreeDObject& node = *m_nodes[i].Node;
        m_childIds.clear();
        if (const ThreeDObjectChildReferences* own = dynamic_cast<const ThreeDObjectChildReferences*>(&node))
            own->AppendChildIds(m_childIds);
        else
        {
            // Other kinds are asked through their walk's getters.
            m_childNodes.clear();
            ChildCollector collector(m_childNodes);
            node.Accept(collector);
            for (const Node& child : m_childNodes)
                m_childIds.push_back(U32(child->GetId()));
        }
        for (U32 id : m_childIds)
        {
            auto p = std::lower_bound(m_ids.begin(), m_ids.end(), id);
            if (p != m_ids.end() && *p == id)
                children.push_back(std::size_t(p - m_ids.begin()));
        }
    }

private:
    std::vector<ThreeDObjectGraphCheck::Entry> m_nodes;
    std::vector<U32> m_ids;
    std::vector<U32> m_childIds;
    std::vector<Node> m_childNodes;
};
} // namespace

void ThreeDObjectGraphCheck::Check(std::vector<Entry> entries, const std::string& fileName,
                                   const Messages& messages)
{
    NodeIndex nodes(std::move(entries));
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
        nodes.AppendChildren(index, children);
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
