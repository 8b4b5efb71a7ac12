#include "Papy/N2/N2TdoFixupVisitor.h"

#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/N2/N2NumberList.h"
#include "Papy/N2/N2ObjectList.h"
#include "Papy/N2/N2PlaneCullFront.h"
#include "Papy/N2/N2TdoFile.h"
#include "Papy/N2/N2TrackDetailSplit.h"
#include "Papy/N2/N2TrackIndex.h"
#include "Papy/N2/N2TrackLevelPlane.h"
#include "Papy/N2/N2TrackLink.h"
#include "Papy/N2/N2TrackSections.h"
#include "Papy/N2/N2TrackSubSection1.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
typedef Util::CountedPointer<ThreeDObject> Node;

// The structural expectations of a track are the file's assertions.
const char* const FileUnit = ".\\N2TdoFile.cpp";

// Registers a Typed node made from node as a Source (with the extra arguments) under node's
// id. A node that is already a Typed node (reached before through another parent) is kept;
// any other kind fails the assertion named.
template <class Typed, class Source, class... Extra>
void Rebuild(N2TdoFile& file, const Node& node, const char* assertion, int line, Extra... extra)
{
    if (dynamic_cast<Typed*>(node.Get()) != nullptr)
        return;
    const Source* source = dynamic_cast<const Source*>(node.Get());
    if (source == nullptr)
        Util::ThrowAssertion(assertion, FileUnit, line);
    file.AddSubObject(Node(new Typed(file, *source, extra...)));
}
} // namespace

bool N2TdoFixupVisitor::EnterRoot(ThreeDObjectRoot& node)
{
    if (m_track)
        Rebuild<N2TrackSections, N2ObjectList>(m_file, node.GetChild(0), "ol != 0", __LINE__);
    return true;
}

bool N2TdoFixupVisitor::EnterTrackSections(ThreeDObjectTrackSections& node)
{
    Rebuild<N2TrackIndex, N2NumberList>(m_file, node.GetIndex(), "nl != 0", __LINE__);
    for (int i = 0; i < node.GetSectionCount(); ++i)
        Rebuild<N2TrackDetailSplit, N2ObjectList>(m_file, node.GetSection(i), "ol != 0", __LINE__);
    return true;
}

bool N2TdoFixupVisitor::EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse)
{
    reverse = false;
    const Node null(m_file.GetNull());
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < node.GetLevelChildCount(g); ++i)
        {
            Node child = node.GetLevelChild(g, i);
            if (child.Get() != null.Get())
                Rebuild<N2TrackLevelPlane, N2PlaneCullFront>(m_file, child, "pcf != 0", __LINE__);
        }
    Rebuild<N2TrackLink, N2NumberList>(m_file, node.GetLinks(), "nl != 0", __LINE__);
    return true;
}

bool N2TdoFixupVisitor::EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node)
{
    Rebuild<N2TrackSubSection1, N2ObjectList>(m_file, node.GetChild(), "ol != 0", __LINE__, m_groove);
    return true;
}

bool N2TdoFixupVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    m_textures.push_back(m_file.GetTexture(node.GetTextureName()));
    return true;
}

void N2TdoFixupVisitor::LeaveClassTexture(ThreeDObjectClassTexture&)
{
    m_textures.pop_back();
}

bool N2TdoFixupVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    m_textures.push_back(m_file.GetTexture(node.GetTextureName()));
    return true;
}

void N2TdoFixupVisitor::LeaveTexture(ThreeDObjectTexture&)
{
    m_textures.pop_back();
}

void N2TdoFixupVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    if (node.HasTextureVertices() && !m_textures.empty())
        node.PrepareTextureVertices(m_textures.back());
}
} // namespace Velmo::Papy
