#pragma once
// What the N4 harnesses do with an input: load it as an archive from memory; when that
// succeeds, walk the whole tree asking every node the values of its kind and its generic value
// lists, save it to memory, load that again and save it once more: the two saves must agree.
//
// A Util exception while loading is the reader refusing a bad file. A Util exception from one
// question to a node (an assertion on a value the node holds) ends only that question. Any
// other exception, a sanitizer report or a disagreement of the saves is a fault: the harness
// aborts, which libFuzzer reports with the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <vector>

#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/MemoryStream.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

namespace VelmoFuzz
{
using namespace Velmo;
using namespace Velmo::Papy;

// Lists longer than this are asked only at their first items: the harness stays fast.
constexpr int MaxItems = 256;

[[noreturn]] inline void Fault(const char* what)
{
    std::fprintf(stderr, "fault: %s\n", what);
    std::abort();
}

// Runs one question; a Util exception ends it, anything else is a fault.
template <class F>
void Ask(F&& question)
{
    try
    {
        question();
    }
    catch (const Util::Exception&)
    {
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "fault: %s\n", e.what());
        std::abort();
    }
}

inline int Items(int count)
{
    return std::min(count, MaxItems);
}

// The values are summed into a sink so that no question is optimised away.
struct Sink
{
    double total = 0;
    void operator()(double v) { total += v; }
};

inline void AskGeneric(ThreeDObject& node, Sink& sink)
{
    Ask([&] { sink(double(node.GetId()) + double(node.GetFileOffset()) + double(node.GetType().size())); });
    Ask([&] { sink(double(node.GetName().size())); });
    Ask([&] { for (int i = 0, n = Items(node.GetIntegerCount()); i < n; ++i) sink(node.GetInteger(i)); });
    Ask([&] { for (int i = 0, n = Items(node.GetFloatCount()); i < n; ++i) sink(node.GetFloat(i)); });
    Ask([&] { for (int i = 0, n = Items(node.GetStringCount()); i < n; ++i) sink(double(node.GetString(i).size())); });
    Ask([&] { for (int i = 0, n = Items(node.GetBooleanCount()); i < n; ++i) sink(node.GetBoolean(i)); });
}

inline void AskBox(const BoundingBox& box, Sink& sink)
{
    (void)box;
    sink(1);
}

inline void AskKind(ThreeDObject& node, Sink& sink)
{
    if (auto* n = dynamic_cast<ThreeDObjectAnimatedTransform*>(&node))
    {
        Ask([&] { sink(double(n->GetVariable().size())); });
        Ask([&] { sink(n->GetXTranslation() + n->GetYTranslation() + n->GetZTranslation()); });
        Ask([&] { sink(n->GetXRotation() + n->GetYRotation() + n->GetZRotation()); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetStateCount()); i < c; ++i)
                sink(n->GetStateValue(i) + n->GetStateXTranslation(i) + n->GetStateYTranslation(i) +
                     n->GetStateZTranslation(i) + n->GetStateXRotation(i) + n->GetStateYRotation(i) +
                     n->GetStateZRotation(i));
        });
    }
    if (auto* n = dynamic_cast<ThreeDObjectAppNode*>(&node))
        Ask([&] { sink(double(n->GetText().size())); });
    if (auto* n = dynamic_cast<ThreeDObjectAppearance*>(&node))
    {
        Ask([&] { sink(n->GetLinkCount() + n->GetTextureFunction()); });
        Ask([&] { sink(n->HasTexture() ? double(n->GetTexture()->GetId()) : 0.0); });
        Ask([&] { sink(n->HasLightMapTexture() ? double(n->GetLightMapTexture()->GetId()) : 0.0); });
        Ask([&] { sink(n->HasSpecularTexture() ? double(n->GetSpecularTexture()->GetId()) : 0.0); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetOtherTextureCount()); i < c; ++i)
                sink(n->HasOtherTexture(i) ? double(n->GetOtherTexture(i)->GetId()) : 0.0);
        });
        Ask([&] { (void)n->GetColour(); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectBillboard*>(&node))
    {
        Ask([&] { sink(n->GetXTranslation() + n->GetYTranslation() + n->GetZTranslation()); });
        Ask([&] { sink(n->GetRotationAxisX() + n->GetRotationAxisY() + n->GetRotationAxisZ()); });
        Ask([&] { AskBox(n->GetBoundingBox(), sink); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectFSection*>(&node))
    {
        Ask([&] { sink(double(n->GetAppearance()->GetId() + n->GetTextureCoords()->GetId())); });
        Ask([&] { sink(n->IsForcedStraight() + n->GetStartLatitude() + n->GetEndLatitude()); });
        Ask([&] { (void)n->GetSurfaceType(); });
        Ask([&] { sink(n->GetGripModifier()); });
        Ask([&] { (void)n->GetTrackFunction(); });
        Ask([&] { sink(n->HasBaseTexture() + n->HasLightMapTexture()); });
        for (int i = -1; i < 3; ++i)
        {
            Ask([&] { sink(n->UsesDefaultTexelParameters(i) + n->IsHorizontalTexelFixed(i)); });
            Ask([&] {
                sink(n->GetHorizontalTexelSize(i) + n->GetHorizontalTexelSkew1(i) + n->GetHorizontalTexelSkew2(i));
            });
            Ask([&] { sink(n->IsVerticalTexelFixed(i) + n->GetVerticalTexelSize(i) + n->GetVerticalTexelSkew(i)); });
        }
    }
    if (auto* n = dynamic_cast<ThreeDObjectGeometry*>(&node))
        Ask([&] { sink(double(n->GetVertices()->GetId() + n->GetPolygons()->GetId())); });
    if (auto* n = dynamic_cast<ThreeDObjectGroup*>(&node))
    {
        Ask([&] { for (int i = 0, c = Items(n->GetChildCount()); i < c; ++i) sink(n->GetChild(i)->GetId()); });
        Ask([&] { AskBox(n->GetBoundingBox(), sink); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectLodSwitch*>(&node))
    {
        Ask([&] {
            for (int i = 0, c = Items(n->GetChildCount()); i < c; ++i)
                sink(n->GetChild(i)->GetId() + n->GetSplitDistance(i));
        });
        Ask([&] { sink(n->IgnoresPreferences()); });
        Ask([&] { AskBox(n->GetBoundingBox(), sink); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectVertices*>(&node))
    {
        Ask([&] {
            for (int i = 0, c = Items(n->GetVertexCount()); i < c; ++i)
            {
                Vertex v = n->GetVertex(i);
                sink(v.GetX());
                (void)n->GetNormal(i);
            }
        });
        Ask([&] {
            if (n->HasTextureVertices())
                for (int i = 0, c = Items(n->GetVertexCount()); i < c; ++i)
                    (void)n->GetTextureVertex(i);
        });
        Ask([&] {
            if (n->HasSpecularTextureVertices())
                for (int i = 0, c = Items(n->GetVertexCount()); i < c; ++i)
                    (void)n->GetSpecularTextureVertex(i);
        });
    }
    if (auto* n = dynamic_cast<ThreeDObjectPointLight*>(&node))
    {
        Ask([&] { sink(n->GetPosition().GetX() + n->GetGlowRadius()); });
        Ask([&] { (void)n->GetDiffuseIntensity(); });
        Ask([&] { (void)n->GetAmbientIntensity(); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectPortal*>(&node))
    {
        Ask([&] { sink(n->GetVertices()->GetId()); });
        Ask([&] { for (int i = 0, c = Items(n->GetIndexCount()); i < c; ++i) sink(n->GetIndex(i)); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectMorphVertices*>(&node))
    {
        int vertices = 0;
        Ask([&] {
            vertices = Items(n->GetVertexCount());
            for (int i = 0; i < vertices; ++i)
            {
                sink(n->GetVertex(i).GetX());
                (void)n->GetNormal(i);
            }
        });
        Ask([&] {
            if (n->HasTextureVertices())
                for (int i = 0; i < vertices; ++i)
                    (void)n->GetTextureVertex(i);
        });
        Ask([&] {
            if (n->HasSpecularTextureVertices())
                for (int i = 0; i < vertices; ++i)
                    (void)n->GetSpecularTextureVertex(i);
        });
        Ask([&] {
            for (int m = 0, c = Items(n->GetMorphCount()); m < c; ++m)
            {
                sink(double(n->GetMorphName(m).size()) + n->GetMorphValue(m));
                for (int v = 0; v < vertices; ++v)
                    if (n->IsMorphed(m, v))
                    {
                        sink(n->GetMorphedVertex(m, v).GetX());
                        (void)n->GetMorphedNormal(m, v);
                    }
            }
        });
    }
    if (auto* n = dynamic_cast<ThreeDObjectRoot*>(&node))
        Ask([&] { for (int i = 0, c = Items(n->GetChildCount()); i < c; ++i) sink(n->GetChild(i)->GetId()); });
    if (auto* n = dynamic_cast<ThreeDObjectSelfLighting*>(&node))
        Ask([&] { sink(n->GetChild()->GetId()); });
    if (auto* n = dynamic_cast<ThreeDObjectShape*>(&node))
        Ask([&] { sink(double(n->GetAppearance()->GetId() + n->GetGeometry()->GetId())); });
    if (auto* n = dynamic_cast<ThreeDObjectStateSwitch*>(&node))
    {
        Ask([&] { sink(double(n->GetVariable().size())); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetChildCount()); i < c; ++i)
                sink(n->GetChild(i)->GetId() + n->GetStateValue(i));
        });
        Ask([&] { AskBox(n->GetBoundingBox(), sink); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTexture2*>(&node))
        Ask([&] { sink(double(n->GetFileName().size()) + n->IsShared()); });
    if (auto* n = dynamic_cast<ThreeDObjectTextureCoords*>(&node))
        Ask([&] {
            if (n->HasTextureVertices())
                for (int i = 0, c = Items(n->GetVertexCount()); i < c; ++i)
                    (void)n->GetTextureVertex(i);
        });
    if (auto* n = dynamic_cast<ThreeDObjectTrack*>(&node))
    {
        Ask([&] { sink(n->GetSkyRotation() + n->IsNightTime()); });
        Ask([&] { (void)n->GetAmbientColour(); });
        Ask([&] { for (int i = 0, c = Items(n->GetDetailCount()); i < c; ++i) sink(n->GetDetail(i)->GetId()); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetTracksideObjectCount()); i < c; ++i)
                sink(n->GetTracksideObject(i)->GetId());
        });
        Ask([&] {
            for (int i = 0, c = Items(n->GetSegmentCount()); i < c; ++i)
                sink(n->GetSegment(i) ? n->GetSegment(i)->GetId() : 0);
        });
        Ask([&] {
            for (int i = 0, c = Items(n->GetBumpMapCount()); i < c; ++i)
            {
                sink(double(n->GetBumpMapName(i).size()));
                for (int j = 0; j < 2; ++j)
                    sink(n->GetBumpMapSize(i, j) + n->GetBumpMapDistance(i, j));
            }
        });
        for (double distance : {0.0, 10.0, 1000.0})
            Ask([&] {
                TrackPosition p = n->GetPosition(distance, 1.0);
                sink(p.X + p.Heading + p.Floor);
            });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTrackDetail*>(&node))
    {
        Ask([&] { sink(n->GetLongitude() + n->GetHeight() + n->GetLatitude() + n->GetWidth() + n->GetOrientation()); });
        Ask([&] { sink(n->GetAppearance()->GetId()); });
        Ask([&] { for (int i = 0; i < n->GetVertexCount(); ++i) (void)n->GetTextureVertex(i); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTrackSegment*>(&node))
    {
        Ask([&] { sink(n->IsCorner() + n->GetStartX() + n->GetStartY() + n->GetEndX() + n->GetEndY()); });
        Ask([&] { sink(n->GetStartHeading() + n->GetEndHeading()); });
        Ask([&] { for (int i = 0, c = Items(n->GetXSectionCount()); i < c; ++i) sink(n->GetXSection(i) ? 1 : 0); });
        Ask([&] { for (int i = 0, c = Items(n->GetFSectionCount()); i < c; ++i) sink(n->GetFSection(i) ? 1 : 0); });
        Ask([&] { for (int i = 0, c = Items(n->GetWSectionCount()); i < c; ++i) sink(n->GetWSection(i) ? 1 : 0); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetBumpMapEntryCount()); i < c; ++i)
                sink(n->GetBumpMapStartLatitude(i) + n->GetBumpMapEndLatitude(i) + n->GetBumpMapIndex(i) +
                     n->GetBumpMapStartScale(i) + n->GetBumpMapEndScale(i));
        });
        Ask([&] {
            double x, y, r, a;
            n->GetArc(x, y, r, a);
            sink(x + y + r + a);
        });
        Ask([&] { sink(n->GetLength()); });
        for (double f : {0.0, 0.5, 1.0})
            for (bool straight : {false, true})
            {
                Ask([&] {
                    TrackPosition p = n->GetPosition(f, 2.0, straight);
                    sink(p.X + p.Y + p.Z + p.Heading + p.Pitch + p.Bank + p.Floor);
                });
                Ask([&] { sink(n->GetPoint(f, -2.0, straight).GetX()); });
            }
    }
    if (auto* n = dynamic_cast<ThreeDObjectTracksideObject*>(&node))
        Ask([&] { sink(double(n->GetObjectName().size() + n->GetComment().size()) + n->IsShared()); });
    if (auto* n = dynamic_cast<ThreeDObjectTransform*>(&node))
    {
        Ask([&] { sink(n->GetXTranslation() + n->GetYTranslation() + n->GetZTranslation()); });
        Ask([&] { sink(n->GetXRotation() + n->GetYRotation() + n->GetZRotation()); });
        Ask([&] { AskBox(n->GetBoundingBox(), sink); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTriangleFan*>(&node))
    {
        Ask([&] { sink(n->GetVertices()->GetId()); });
        Ask([&] { for (int i = 0, c = Items(n->GetIndexCount()); i < c; ++i) sink(n->GetIndex(i)); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTriangleStrip*>(&node))
    {
        Ask([&] { sink(n->GetVertices()->GetId()); });
        Ask([&] { for (int i = 0, c = Items(n->GetIndexCount()); i < c; ++i) sink(n->GetIndex(i)); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectTriangles*>(&node))
        Ask([&] { for (int i = 0, c = Items(n->GetIndexCount()); i < c; ++i) sink(n->GetIndex(i)); });
    if (auto* n = dynamic_cast<ThreeDObjectTsoReference*>(&node))
    {
        Ask([&] { sink(n->GetChild()->GetId() + n->IsDynamic()); });
        Ask([&] { sink(double(n->GetPathFile().size())); });
        Ask([&] { (void)n->GetDynamicType(); });
        Ask([&] { sink(n->GetStartWaypoint() + n->GetSpeed()); });
        Ask([&] { sink(n->GetXTranslation() + n->GetYTranslation() + n->GetZTranslation()); });
        Ask([&] { sink(n->UsesWindDirection() + n->GetXRotation() + n->GetYRotation() + n->GetZRotation()); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetAnimationCount()); i < c; ++i)
                sink(double(n->GetAnimationName(i).size()) + n->GetAnimationFrameCount(i) +
                     n->GetAnimationFramesPerSecond(i));
        });
        Ask([&] { sink(n->HasSoundFile() ? double(n->GetSoundFile().size()) : 0.0); });
    }
    if (auto* n = dynamic_cast<ThreeDObjectWSection*>(&node))
    {
        Ask([&] { sink(n->IsForcedStraight() + n->GetStartLatitude() + n->GetEndLatitude()); });
        Ask([&] { sink(n->GetStartHeight() + n->GetEndHeight() + n->GetStartHalfWidth() + n->GetEndHalfWidth()); });
        Ask([&] { sink(n->GetStartCollisionHalfWidth() + n->GetEndCollisionHalfWidth()); });
        Ask([&] { (void)n->GetWallType(); });
        Ask([&] { sink(n->IsVertical() + n->IsProfileCurved()); });
        Ask([&] {
            for (int i = 0, c = Items(n->GetProfilePointCount()); i < c; ++i)
                sink(n->GetProfilePoint(i).GetX());
        });
        Ask([&] {
            for (int s = 0, c = Items(n->GetSubsectionCount()); s < c; ++s)
            {
                sink(n->GetSplitPoint(s));
                for (int e = 0; e < n->GetEntryCount(); ++e)
                    Ask([&] {
                        if (!n->HasEntry(s, e))
                            return;
                        Ask([&] { sink(n->GetEntryAppearance(s, e) ? 1 : 0); });
                        Ask([&] { sink(n->GetEntryTextureCoords(s, e)->GetId()); });
                        Ask([&] { sink(n->HasEntryBaseTexture(s, e) + n->HasEntryLightMapTexture(s, e)); });
                        for (int l = 0; l < 2; ++l)
                            Ask([&] {
                                sink(n->UsesDefaultTexelParameters(s, e, l) + n->IsHorizontalTexelFixed(s, e, l) +
                                     n->GetHorizontalTexelSize(s, e, l) + n->GetHorizontalTexelSkew(s, e, l) +
                                     n->IsVerticalTexelFixed(s, e, l) + n->GetVerticalTexelSize(s, e, l) +
                                     n->GetVerticalTexelSkew(s, e, l));
                            });
                    });
            }
        });
    }
    if (auto* n = dynamic_cast<ThreeDObjectXSection*>(&node))
    {
        Ask([&] { sink(n->GetStartLatitude() + n->GetEndLatitude()); });
        Ask([&] { sink(n->GetStartAltitude() + n->GetEndAltitude() + n->GetStartSlope() + n->GetEndSlope()); });
        for (double f : {0.0, 0.25, 1.0})
            Ask([&] { sink(n->GetLatitude(f) + n->GetAltitude(f) + n->GetAltitudeSlope(f)); });
    }
}

// Asks every node met on the walk, each node once.
class AskingVisitor : public ThreeDObjectVisitor
{
public:
    // A shared node's children were walked at its first visit.
    bool Enter(ThreeDObject& node) override { return Once(node); }
    void Visit(ThreeDObject& node) override { Once(node); }

    Sink sink;

private:
    bool Once(ThreeDObject& node)
    {
        if (!m_seen.insert(&node).second)
            return false;
        AskGeneric(node, sink);
        AskKind(node, sink);
        return true;
    }
    std::set<const ThreeDObject*> m_seen;
};

inline Util::CountedPointer<N4TdoFile> LoadBytes(const std::uint8_t* data, std::size_t size,
                                                 const N4ArchiverList& archivers)
{
    auto* buffer = new Util::CharBuffer("fuzz.3do");
    Util::CountedPointer<Util::BinaryStream> stream(buffer);
    buffer->Attach(std::uint32_t(size), data);
    return Util::CountedPointer<N4TdoFile>(new N4TdoFile(stream, archivers, nullptr));
}

inline std::vector<U8> SaveBytes(N4TdoFile& file)
{
    auto* buffer = new Util::MemoryStream("fuzz-saved.3do");
    Util::CountedPointer<Util::BinaryStream> stream(buffer);
    file.Save(stream);
    return buffer->GetBytes();
}


inline int ExerciseN4(const std::uint8_t* data, std::size_t size, const N4ArchiverList& archivers)
{
    Util::CountedPointer<N4TdoFile> file;
    try
    {
        file = LoadBytes(data, size, archivers);
    }
    catch (const Util::Exception&)
    {
        return 0;
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "fault: load threw %s\n", e.what());
        std::abort();
    }
    try
    {
        AskingVisitor visitor;
        Ask([&] { file->GetRoot()->Accept(visitor); });

        std::vector<U8> saved = SaveBytes(*file);
        Util::CountedPointer<N4TdoFile> reloaded;
        try
        {
            reloaded = LoadBytes(saved.data(), saved.size(), archivers);
        }
        catch (const Util::Exception& e)
        {
            std::fprintf(stderr, "fault: the saved file does not load: %s\n", e.GetText().c_str());
            std::abort();
        }
        if (SaveBytes(*reloaded) != saved)
            Fault("the reloaded file saves other bytes");
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "fault: a loaded file does not save: %s\n", e.GetText().c_str());
        std::abort();
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "fault: %s\n", e.what());
        std::abort();
    }
    return 0;
}
} // namespace VelmoFuzz
