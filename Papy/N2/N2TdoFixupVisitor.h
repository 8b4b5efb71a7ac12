#pragma once
// The walk that ends every N2 load. In a track object (a file with a type-15 record) it
// rebuilds the generic lists of the track as the six N2 track nodes, each registered under
// the id of the node it replaces, so that the walk and every parent reach the track node
// next. In any file it hands each textured polygon the texture in force above it (the
// innermost texture node), which fixes the polygon's texture vertices.
//
// A node shared by several parents is reached more than once: one already rebuilt is kept.
#include <deque>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class MipFile;
class N2TdoFile;

class N2TdoFixupVisitor : public ThreeDObjectVisitor
{
public:
    N2TdoFixupVisitor(N2TdoFile& file, bool track, bool groove) : m_file(file), m_track(track), m_groove(groove) {}

    bool EnterRoot(ThreeDObjectRoot& node) override;
    bool EnterTrackSections(ThreeDObjectTrackSections& node) override;
    bool EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse) override;
    bool EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node) override;
    bool EnterClassTexture(ThreeDObjectClassTexture& node) override;
    void LeaveClassTexture(ThreeDObjectClassTexture& node) override;
    bool EnterTexture(ThreeDObjectTexture& node) override;
    void LeaveTexture(ThreeDObjectTexture& node) override;
    void VisitPolygon(ThreeDObjectPolygon& node) override;

private:
    N2TdoFile& m_file;
    bool m_track;
    bool m_groove;
    std::deque<Util::CountedPointer<MipFile>> m_textures;
};
} // namespace Velmo::Papy
