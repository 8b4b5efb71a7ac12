#pragma once
// Checks the 3D-object tree below a node: reads every value of each node whose reading can
// fail and opens every file the tree names (textures, scaled bitmaps, external and trackside
// objects), each at most once a run. The first failing read leaves the walk as the exception
// that found it. A file that cannot be opened (missing or unreadable) is passed over as the
// drawing walk passes it over: its error goes to the report, once, and the walk checks the
// rest; so does a walk past its budget (FrameBudget), which stops there. A walk that
// ends normally with an empty report means the tree passed.
//
// An external object met again inside its own walk (a file that names itself, directly or
// round a cycle) fails with CycleMessage and the chain of names; a scaled bitmap in a folder
// whose game has no scaled bitmaps fails with NoScaledBitmapsMessage. Both name the file.
#include <set>
#include <string>

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ExternalObjectChain.h"

class ThreeDObjectCheckVisitor : public BudgetedVisitor
{
public:
    static constexpr const char* CycleMessage = "External object refers to itself: ";
    static constexpr const char* NoScaledBitmapsMessage = "Scaled bitmap in a folder without scaled bitmaps";

    explicit ThreeDObjectCheckVisitor(const Velmo::Util::CountedPointer<Velmo::Papy::FileFactory>& factory);

    // Forgets the names already checked or failed and the report, so that the next run opens
    // every file again.
    void ClearRecords();

    // GetReport: the files passed over, each error once, in the order met.

    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    void VisitVertices(Velmo::Papy::ThreeDObjectVertices& node) override;
    void VisitMorphVertices(Velmo::Papy::ThreeDObjectMorphVertices& node) override;
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& node) override;
    void VisitTextureCoords(Velmo::Papy::ThreeDObjectTextureCoords& node) override;
    void VisitLine(Velmo::Papy::ThreeDObjectLine& node) override;
    void VisitPointLight(Velmo::Papy::ThreeDObjectPointLight& node) override;
    bool EnterDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& node) override;
    bool EnterAnimationSplitter(Velmo::Papy::ThreeDObjectAnimationSplitter& node) override;
    bool EnterStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    bool EnterLatitudeSplitter(Velmo::Papy::ThreeDObjectLatitudeSplitter& node) override;
    bool EnterLongitudeSplitter(Velmo::Papy::ThreeDObjectLongitudeSplitter& node) override;
    bool EnterDisplayClass(Velmo::Papy::ThreeDObjectDisplayClass& node) override;
    bool EnterClassMaterial(Velmo::Papy::ThreeDObjectClassMaterial& node) override;
    bool EnterClassTexture(Velmo::Papy::ThreeDObjectClassTexture& node) override;
    bool EnterClassTextureMaterial(Velmo::Papy::ThreeDObjectClassTextureMaterial& node) override;
    bool EnterClassTextureSelector(Velmo::Papy::ThreeDObjectClassTextureSelector& node) override;
    bool EnterClassTextureSelectorMaterial(Velmo::Papy::ThreeDObjectClassTextureSelectorMaterial& node) override;
    bool EnterAppearance(Velmo::Papy::ThreeDObjectAppearance& node) override;
    bool EnterPlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& node) override;
    bool EnterTrackLevelPlane(Velmo::Papy::ThreeDObjectTrackLevelPlane& node) override;
    bool EnterPlaneOrder2(Velmo::Papy::ThreeDObjectPlaneOrder2& node, bool& reverse) override;
    bool EnterPlaneOrder2CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node,
                                       bool& reverse) override;
    bool EnterPlaneOrder3(Velmo::Papy::ThreeDObjectPlaneOrder3& node, bool& reverse) override;
    bool EnterPlaneOrder3CullFront(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override;
    bool EnterPlaneOrder4CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node,
                                       bool& reverse) override;
    bool EnterObjectLocator(Velmo::Papy::ThreeDObjectObjectLocator& node) override;
    bool EnterFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    bool EnterWSection(Velmo::Papy::ThreeDObjectWSection& node) override;
    bool EnterTrackDetail(Velmo::Papy::ThreeDObjectTrackDetail& node) override;
    bool EnterTexture(Velmo::Papy::ThreeDObjectTexture& node) override;
    void VisitTexture2(Velmo::Papy::ThreeDObjectTexture2& node) override;
    bool EnterMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& node) override;
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    void VisitTracksideObject(Velmo::Papy::ThreeDObjectTracksideObject& node) override;

private:
    void CheckTexture(const std::string& name);

    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> m_factory;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeMip> m_makeMip;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeSrb> m_makeSrb;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeTdo> m_makeTdo;
    std::set<std::string> m_textures;
    std::set<std::string> m_scaledBitmaps;
    std::set<std::string> m_objects;
    // The names that could not be made, one set per kind of file.
    std::set<std::string> m_failedTextures;
    std::set<std::string> m_failedScaledBitmaps;
    std::set<std::string> m_failedObjects;
    ExternalObjectChain m_chain;
};
