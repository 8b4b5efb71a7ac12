#pragma once
// Test nodes of every kind. A stub answers its child getters from lists of nodes that a
// test sets by getter name (a getter with leading index arguments reads the list
// "Name/first/..."), its counts from those lists (GetFooCount counts the list of GetFoo)
// unless a count is set, its bool queries from flags (true unless set), and everything
// else with a default value.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectEmpty.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectU1.h"
#include "Papy/Model/ThreeDObjectU3.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace VelmoTest
{
// Test code names the model's types unqualified.
using namespace Velmo;
using namespace Velmo::Papy;

class StubData
{
public:
    typedef Util::CountedPointer<ThreeDObject> Node;

    int Id = 0;
    std::map<std::string, std::vector<Node>> Lists;
    std::map<std::string, int> Counts;
    std::map<std::string, bool> Flags;
    // What a child getter yields for a list that was not set.
    Node Fallback;

    template <class... Index>
    static std::string Key(const std::string& name, Index... index)
    {
        std::string key = name;
        ((key += "/" + std::to_string(index)), ...);
        return key;
    }

protected:
    int CountOf(const std::string& key) const
    {
        const auto c = Counts.find(key);
        if (c != Counts.end())
            return c->second;
        const auto l = Lists.find(key);
        return l == Lists.end() ? 0 : int(l->second.size());
    }

    bool FlagOf(const std::string& key) const
    {
        const auto f = Flags.find(key);
        return f == Flags.end() || f->second;
    }

    template <class T>
    Util::CountedPointer<T> ItemOf(const std::string& key, int i) const
    {
        Util::CountedPointer<T> item;
        const auto l = Lists.find(key);
        if (l == Lists.end())
            item = Fallback;
        else if (i >= 0 && i < int(l->second.size()))
            item = l->second[i];
        return item;
    }
};

class StubAnimatedTransform : public ThreeDObjectAnimatedTransform, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "AnimatedTransform"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    std::string GetVariable() const override { return {}; }
    double GetXTranslation() const override { return {}; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return {}; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return {}; }
    void SetZTranslation(double) override {}
    double GetXRotation() const override { return {}; }
    void SetXRotation(double) override {}
    double GetYRotation() const override { return {}; }
    void SetYRotation(double) override {}
    double GetZRotation() const override { return {}; }
    void SetZRotation(double) override {}
    int GetStateCount() const override { return CountOf(Key("GetState")); }
    void InsertState(int) override {}
    int GetStateValue(int) const override { return {}; }
    void SetStateValue(int, int) override {}
    double GetStateXTranslation(int) const override { return {}; }
    void SetStateXTranslation(int, double) override {}
    double GetStateYTranslation(int) const override { return {}; }
    void SetStateYTranslation(int, double) override {}
    double GetStateZTranslation(int) const override { return {}; }
    void SetStateZTranslation(int, double) override {}
    double GetStateXRotation(int) const override { return {}; }
    void SetStateXRotation(int, double) override {}
    double GetStateYRotation(int) const override { return {}; }
    void SetStateYRotation(int, double) override {}
    double GetStateZRotation(int) const override { return {}; }
    void SetStateZRotation(int, double) override {}
};

class StubAnimationSplitter : public ThreeDObjectAnimationSplitter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "AnimationSplitter"; }
    void Write(Util::BinaryStream&, U32) override {}
    U32 GetPeriod() const override { return {}; }
    U32 GetComparisonOperator() const override { return {}; }
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    U32 GetTick(int) const override { return {}; }
};

class StubAppearance : public ThreeDObjectAppearance, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Appearance"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetLinkCount() const override { return CountOf(Key("GetLink")); }
    bool HasTexture() const override { return FlagOf(Key("HasTexture")); }
    Util::CountedPointer<ThreeDObject> GetTexture() const override
    {
        return ItemOf<ThreeDObject>(Key("GetTexture"), 0);
    }
    bool HasLightMapTexture() const override { return FlagOf(Key("HasLightMapTexture")); }
    Util::CountedPointer<ThreeDObject> GetLightMapTexture() const override
    {
        return ItemOf<ThreeDObject>(Key("GetLightMapTexture"), 0);
    }
    bool HasSpecularTexture() const override { return FlagOf(Key("HasSpecularTexture")); }
    Util::CountedPointer<ThreeDObject> GetSpecularTexture() const override
    {
        return ItemOf<ThreeDObject>(Key("GetSpecularTexture"), 0);
    }
    int GetOtherTextureCount() const override { return CountOf(Key("GetOtherTexture")); }
    bool HasOtherTexture(int i) const override { return FlagOf(Key("HasOtherTexture", i)); }
    Util::CountedPointer<ThreeDObject> GetOtherTexture(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetOtherTexture"), i);
    }
    Colour GetColour() const override { return {}; }
    int GetTextureFunction() const override { return {}; }
};

class StubAppNode : public ThreeDObjectAppNode, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "AppNode"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    std::string GetText() const override { return {}; }
};

class StubBillboard : public ThreeDObjectBillboard, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Billboard"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    double GetXTranslation() const override { return {}; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return {}; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return {}; }
    void SetZTranslation(double) override {}
    double GetRotationAxisX() const override { return {}; }
    void SetRotationAxisX(double) override {}
    double GetRotationAxisY() const override { return {}; }
    void SetRotationAxisY(double) override {}
    double GetRotationAxisZ() const override { return {}; }
    void SetRotationAxisZ(double) override {}
    BoundingBox GetBoundingBox() const override { return {}; }
};

class StubBoundingBox : public ThreeDObjectBoundingBox, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "BoundingBox"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    Vertex GetVertex(int) const override { return {}; }
    int GetVertexId(int) const override { return {}; }
    void SetVertexId(int, int) override {}
};

class StubCarRoot : public ThreeDObjectCarRoot, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "CarRoot"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetShadow() const override { return ItemOf<ThreeDObject>(Key("GetShadow"), 0); }
    Util::CountedPointer<ThreeDObject> GetCockpit() const override
    {
        return ItemOf<ThreeDObject>(Key("GetCockpit"), 0);
    }
    Util::CountedPointer<ThreeDObject> GetCar() const override { return ItemOf<ThreeDObject>(Key("GetCar"), 0); }
};

class StubClassMaterial : public ThreeDObjectClassMaterial, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ClassMaterial"; }
    void Write(Util::BinaryStream&, U32) override {}
    DisplayClass GetClass() const override { return {}; }
    double GetShininess() const override { return {}; }
    Colour GetSpecularShade() const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubClassTexture : public ThreeDObjectClassTexture, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ClassTexture"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    DisplayClass GetClass() const override { return {}; }
    std::string GetTextureName() const override { return {}; }
    void SetTextureName(const std::string&) override {}
};

class StubClassTextureMaterial : public ThreeDObjectClassTextureMaterial, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ClassTextureMaterial"; }
    void Write(Util::BinaryStream&, U32) override {}
    DisplayClass GetClass() const override { return {}; }
    double GetShininess() const override { return {}; }
    Colour GetSpecularShade() const override { return {}; }
    std::string GetTextureName() const override { return {}; }
    void SetTextureName(const std::string&) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubClassTextureSelector : public ThreeDObjectClassTextureSelector, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ClassTextureSelector"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    U32 GetTextureSlot() const override { return {}; }
    DisplayClass GetClass() const override { return {}; }
};

class StubClassTextureSelectorMaterial : public ThreeDObjectClassTextureSelectorMaterial, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ClassTextureSelectorMaterial"; }
    void Write(Util::BinaryStream&, U32) override {}
    DisplayClass GetClass() const override { return {}; }
    double GetShininess() const override { return {}; }
    Colour GetSpecularShade() const override { return {}; }
    U32 GetTextureSlot() const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubColourMap : public ThreeDObjectColourMap, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ColourMap"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    int GetEntryCount() const override { return CountOf(Key("GetEntry")); }
    int GetEntry(int) const override { return {}; }
    Colour GetColour(int) const override { return {}; }
};

class StubDisplayClass : public ThreeDObjectDisplayClass, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "DisplayClass"; }
    void Write(Util::BinaryStream&, U32) override {}
    DisplayClass GetClass() const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubDistanceSplitter : public ThreeDObjectDistanceSplitter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "DistanceSplitter"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    void DeleteChild(int) override {}
    double GetSplitDistance(int) const override { return {}; }
    void SetSplitDistance(int, double) override {}
    Vertex GetVertex() const override { return {}; }
    int GetVertexId() const override { return {}; }
    void SetVertexId(int) override {}
    U32 GetComparisonOperator() const override { return {}; }
};

class StubEmpty : public ThreeDObjectEmpty, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Empty"; }
    void Write(Util::BinaryStream&, U32) override {}
};

class StubExtObject : public ThreeDObjectExtObject, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ExtObject"; }
    void Write(Util::BinaryStream&, U32) override {}
    std::string GetObjectName() const override { return {}; }
    void SetObjectName(const std::string&) override {}
};

class StubExtObjectList : public ThreeDObjectExtObjectList, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ExtObjectList"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    int GetObjectCount() const override { return CountOf(Key("GetObject")); }
    Util::CountedPointer<ThreeDObject> GetObject(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetObject"), i);
    }
};

class StubFSection : public ThreeDObjectFSection, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "FSection"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetAppearance() const override
    {
        return ItemOf<ThreeDObject>(Key("GetAppearance"), 0);
    }
    Util::CountedPointer<ThreeDObject> GetTextureCoords() const override
    {
        return ItemOf<ThreeDObject>(Key("GetTextureCoords"), 0);
    }
    bool IsForcedStraight() const override { return FlagOf(Key("IsForcedStraight")); }
    double GetStartLatitude() const override { return {}; }
    double GetEndLatitude() const override { return {}; }
    SurfaceType GetSurfaceType() const override { return {}; }
    int GetGripModifier() const override { return {}; }
    TrackFunction GetTrackFunction() const override { return {}; }
    bool HasBaseTexture() const override { return FlagOf(Key("HasBaseTexture")); }
    bool HasLightMapTexture() const override { return FlagOf(Key("HasLightMapTexture")); }
    bool UsesDefaultTexelParameters(int i) const override { return FlagOf(Key("UsesDefaultTexelParameters", i)); }
    bool IsHorizontalTexelFixed(int i) const override { return FlagOf(Key("IsHorizontalTexelFixed", i)); }
    double GetHorizontalTexelSize(int) const override { return {}; }
    double GetHorizontalTexelSkew1(int) const override { return {}; }
    double GetHorizontalTexelSkew2(int) const override { return {}; }
    bool IsVerticalTexelFixed(int i) const override { return FlagOf(Key("IsVerticalTexelFixed", i)); }
    double GetVerticalTexelSize(int) const override { return {}; }
    double GetVerticalTexelSkew(int) const override { return {}; }
};

class StubGeometry : public ThreeDObjectGeometry, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Geometry"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetVertices() const override
    {
        return ItemOf<ThreeDObject>(Key("GetVertices"), 0);
    }
    Util::CountedPointer<ThreeDObject> GetPolygons() const override
    {
        return ItemOf<ThreeDObject>(Key("GetPolygons"), 0);
    }
};

class StubGroup : public ThreeDObjectGroup, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Group"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    void InsertChild(const Util::CountedPointer<ThreeDObject>&, int) override {}
    void RemoveChild(int) override {}
    BoundingBox GetBoundingBox() const override { return {}; }
};

class StubHandle : public ThreeDObjectHandle, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Handle"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetObject() const override { return ItemOf<ThreeDObject>(Key("GetObject"), 0); }
    void SetObject(const Util::CountedPointer<ThreeDObject>&) override {}
};

class StubLatitudeSplitter : public ThreeDObjectLatitudeSplitter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "LatitudeSplitter"; }
    void Write(Util::BinaryStream&, U32) override {}
    U32 GetComparisonOperator() const override { return {}; }
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    double GetLatitude(int) const override { return {}; }
};

class StubLine : public ThreeDObjectLine, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Line"; }
    void Write(Util::BinaryStream&, U32) override {}
    Vertex GetFromVertex() const override { return {}; }
    int GetFromVertexId() const override { return {}; }
    void SetFromVertexId(int) override {}
    Vertex GetToVertex() const override { return {}; }
    int GetToVertexId() const override { return {}; }
    void SetToVertexId(int) override {}
    Colour GetColour() const override { return {}; }
};

class StubLodSwitch : public ThreeDObjectLodSwitch, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "LodSwitch"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    double GetSplitDistance(int) const override { return {}; }
    bool IgnoresPreferences() const override { return FlagOf(Key("IgnoresPreferences")); }
    BoundingBox GetBoundingBox() const override { return {}; }
};

class StubLongitudeSplitter : public ThreeDObjectLongitudeSplitter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "LongitudeSplitter"; }
    void Write(Util::BinaryStream&, U32) override {}
    U32 GetComparisonOperator() const override { return {}; }
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    double GetLongitude(int) const override { return {}; }
};

class StubMaterial : public ThreeDObjectMaterial, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Material"; }
    void Write(Util::BinaryStream&, U32) override {}
    double GetShininess() const override { return {}; }
    Colour GetSpecularShade() const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubMorphVertices : public ThreeDObjectMorphVertices, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "MorphVertices"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetVertexCount() const override { return CountOf(Key("GetVertex")); }
    Vertex GetVertex(int) const override { return {}; }
    Normal GetNormal(int) const override { return {}; }
    bool HasTextureVertices() const override { return FlagOf(Key("HasTextureVertices")); }
    TextureVertex GetTextureVertex(int) const override { return {}; }
    bool HasSpecularTextureVertices() const override { return FlagOf(Key("HasSpecularTextureVertices")); }
    TextureVertex GetSpecularTextureVertex(int) const override { return {}; }
    int GetMorphCount() const override { return CountOf(Key("GetMorph")); }
    std::string GetMorphName(int) const override { return {}; }
    int GetMorphValue(int) const override { return {}; }
    bool IsMorphed(int m, int v) const override { return FlagOf(Key("IsMorphed", m, v)); }
    Vertex GetMorphedVertex(int, int) const override { return {}; }
    Normal GetMorphedNormal(int, int) const override { return {}; }
};

class StubMultipleTextures : public ThreeDObjectMultipleTextures, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "MultipleTextures"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    int GetTextureCount() const override { return CountOf(Key("GetTexture")); }
    void SetTextureCount(int) override {}
    std::string GetTextureName(int) const override { return {}; }
    void SetTextureName(int, const std::string&) override {}
};

class StubNull : public ThreeDObjectNull, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Null"; }
    void Write(Util::BinaryStream&, U32) override {}
};

class StubNumberList : public ThreeDObjectNumberList, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "NumberList"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetNumberCount() const override { return CountOf(Key("GetNumber")); }
    void SetNumberCount(int) override {}
    U32 GetNumber(int) const override { return {}; }
    void SetNumber(int, U32) override {}
};

class StubObjectList : public ThreeDObjectObjectList, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ObjectList"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    void InsertChild(const Util::CountedPointer<ThreeDObject>&, int) override {}
    void RemoveChild(int) override {}
};

class StubObjectLocatorList : public ThreeDObjectObjectLocatorList, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ObjectLocatorList"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    void AddChild(const Util::CountedPointer<ThreeDObject>&) override {}
};

class StubObjectLocator : public ThreeDObjectObjectLocator, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ObjectLocator"; }
    void Write(Util::BinaryStream&, U32) override {}
    Plane GetPlane(int) const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetSibling(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetSibling"), i);
    }
    void SetPlane(int, const Plane&) override {}
    U32 GetPlaneId(int) const override { return {}; }
    void SetPlaneId(int, U32) override {}
    void SetSibling(int, const Util::CountedPointer<ThreeDObject>&) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    void SetChild(const Util::CountedPointer<ThreeDObject>&) override {}
    int GetObjectCount() const override { return CountOf(Key("GetObject")); }
    float GetObjectX(int) const override { return {}; }
    float GetObjectY(int) const override { return {}; }
    float GetObjectZ(int) const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetObject(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetObject"), i);
    }
    void AddObject(const Util::CountedPointer<ThreeDObject>&, double, double, double) override {}
    void DeleteObject(int) override {}
};

class StubPlaneCullFront : public ThreeDObjectPlaneCullFront, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneCullFront"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFrontChild"), 0);
    }
    Plane GetPlane() const override { return {}; }
};

class StubPlaneOrder2 : public ThreeDObjectPlaneOrder2, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneOrder2"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetFarChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFarChild"), 0);
    }
    void ClearFarChild() override {}
    Util::CountedPointer<ThreeDObject> GetNearChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetNearChild"), 0);
    }
    void ClearNearChild() override {}
    Plane GetPlane() const override { return {}; }
};

class StubPlaneOrder2CullFrontBack : public ThreeDObjectPlaneOrder2CullFrontBack, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneOrder2CullFrontBack"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetBackChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetBackChild"), 0);
    }
    void ClearBackChild() override {}
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFrontChild"), 0);
    }
    void ClearFrontChild() override {}
    Plane GetPlane() const override { return {}; }
};

class StubPlaneOrder3 : public ThreeDObjectPlaneOrder3, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneOrder3"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetFarChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFarChild"), 0);
    }
    void SetFarChild(const Util::CountedPointer<ThreeDObject>&) override {}
    void ClearFarChild() override {}
    Util::CountedPointer<ThreeDObject> GetMiddleChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetMiddleChild"), 0);
    }
    void ClearMiddleChild() override {}
    Util::CountedPointer<ThreeDObject> GetNearChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetNearChild"), 0);
    }
    void ClearNearChild() override {}
    Plane GetPlane() const override { return {}; }
};

class StubPlaneOrder3CullFront : public ThreeDObjectPlaneOrder3CullFront, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneOrder3CullFront"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetFarChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFarChild"), 0);
    }
    void ClearFarChild() override {}
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFrontChild"), 0);
    }
    void ClearFrontChild() override {}
    Util::CountedPointer<ThreeDObject> GetNearChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetNearChild"), 0);
    }
    void ClearNearChild() override {}
    Plane GetPlane() const override { return {}; }
};

class StubPlaneOrder4CullFrontBack : public ThreeDObjectPlaneOrder4CullFrontBack, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PlaneOrder4CullFrontBack"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetFarChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFarChild"), 0);
    }
    void SetFarChild(const Util::CountedPointer<ThreeDObject>&) override {}
    void ClearFarChild() override {}
    Util::CountedPointer<ThreeDObject> GetBackChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetBackChild"), 0);
    }
    void ClearBackChild() override {}
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetFrontChild"), 0);
    }
    void ClearFrontChild() override {}
    Util::CountedPointer<ThreeDObject> GetNearChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetNearChild"), 0);
    }
    void ClearNearChild() override {}
    Plane GetPlane() const override { return {}; }
};

class StubPointLight : public ThreeDObjectPointLight, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "PointLight"; }
    void Write(Util::BinaryStream&, U32) override {}
    Vertex GetPosition() const override { return {}; }
    Colour GetDiffuseIntensity() const override { return {}; }
    Colour GetAmbientIntensity() const override { return {}; }
    double GetGlowRadius() const override { return {}; }
};

class StubPolygon : public ThreeDObjectPolygon, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Polygon"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetVertexCount() const override { return CountOf(Key("GetVertex")); }
    Vertex GetVertex(int) const override { return {}; }
    int GetVertexId(int) const override { return {}; }
    void SetVertexId(int, int) override {}
};

class StubPortal : public ThreeDObjectPortal, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Portal"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetVertices() const override
    {
        return ItemOf<ThreeDObject>(Key("GetVertices"), 0);
    }
    int GetIndexCount() const override { return CountOf(Key("GetIndex")); }
    int GetIndex(int) const override { return {}; }
};

class StubProxy : public ThreeDObjectProxy, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Proxy"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetTarget() const override { return ItemOf<ThreeDObject>(Key("GetTarget"), 0); }
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubRoot : public ThreeDObjectRoot, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Root"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
};

class StubScaledBitmap : public ThreeDObjectScaledBitmap, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "ScaledBitmap"; }
    void Write(Util::BinaryStream&, U32) override {}
    Vertex GetVertex() const override { return {}; }
    int GetVertexId() const override { return {}; }
    void SetVertexId(int) override {}
    std::string GetSrbName() const override { return {}; }
    void SetSrbName(const std::string&) override {}
    bool HasScale() const override { return FlagOf(Key("HasScale")); }
    double GetScale() const override { return {}; }
    double GetHeight() const override { return {}; }
    bool HasColour() const override { return FlagOf(Key("HasColour")); }
    Colour GetColour() const override { return {}; }
    bool IsHorizontallyReversed() const override { return FlagOf(Key("IsHorizontallyReversed")); }
    bool IsVerticallyReversed() const override { return FlagOf(Key("IsVerticallyReversed")); }
};

class StubSelfLighting : public ThreeDObjectSelfLighting, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "SelfLighting"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubShape : public ThreeDObjectShape, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Shape"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetAppearance() const override
    {
        return ItemOf<ThreeDObject>(Key("GetAppearance"), 0);
    }
    Util::CountedPointer<ThreeDObject> GetGeometry() const override
    {
        return ItemOf<ThreeDObject>(Key("GetGeometry"), 0);
    }
};

class StubStateSplitter : public ThreeDObjectStateSplitter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "StateSplitter"; }
    void Write(Util::BinaryStream&, U32) override {}
    U32 GetVariable() const override { return {}; }
    U32 GetComparisonOperator() const override { return {}; }
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    U32 GetValue(int) const override { return {}; }
};

class StubStateSwitch : public ThreeDObjectStateSwitch, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "StateSwitch"; }
    void Write(Util::BinaryStream&, U32) override {}
    std::string GetVariable() const override { return {}; }
    int GetChildCount() const override { return CountOf(Key("GetChild")); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetChild"), i);
    }
    double GetStateValue(int) const override { return {}; }
    void SetStateValue(int, double) override {}
    void RemoveChild(int) override {}
    BoundingBox GetBoundingBox() const override { return {}; }
};

class StubStateValueSetter : public ThreeDObjectStateValueSetter, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "StateValueSetter"; }
    void Write(Util::BinaryStream&, U32) override {}
    U32 GetStateIndex() const override { return {}; }
    U32 GetStateValue() const override { return {}; }
};

class StubTexture : public ThreeDObjectTexture, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Texture"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    std::string GetTextureName() const override { return {}; }
    void SetTextureName(const std::string&) override {}
};

class StubTexture2 : public ThreeDObjectTexture2, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Texture2"; }
    void Write(Util::BinaryStream&, U32) override {}
    std::string GetFileName() const override { return {}; }
    void SetFileName(const std::string&) override {}
    bool IsShared() const override { return FlagOf(Key("IsShared")); }
    void SetShared(bool) override {}
};

class StubTextureCoords : public ThreeDObjectTextureCoords, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TextureCoords"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetVertexCount() const override { return CountOf(Key("GetVertex")); }
    bool HasTextureVertices() const override { return FlagOf(Key("HasTextureVertices")); }
    TextureVertex GetTextureVertex(int) const override { return {}; }
};

class StubTextureSelector : public ThreeDObjectTextureSelector, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TextureSelector"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    U32 GetTextureSlot() const override { return {}; }
};

class StubTrack : public ThreeDObjectTrack, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Track"; }
    void Write(Util::BinaryStream&, U32) override {}
    double GetSkyRotation() const override { return {}; }
    bool IsNightTime() const override { return FlagOf(Key("IsNightTime")); }
    Colour GetAmbientColour() const override { return {}; }
    int GetDetailCount() const override { return CountOf(Key("GetDetail")); }
    Util::CountedPointer<ThreeDObject> GetDetail(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetDetail"), i);
    }
    int GetTracksideObjectCount() const override { return CountOf(Key("GetTracksideObject")); }
    Util::CountedPointer<ThreeDObject> GetTracksideObject(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetTracksideObject"), i);
    }
    int GetSegmentCount() const override { return CountOf(Key("GetSegment")); }
    Util::CountedPointer<ThreeDObjectTrackSegment> GetSegment(int i) const override
    {
        return ItemOf<ThreeDObjectTrackSegment>(Key("GetSegment"), i);
    }
    int GetBumpMapCount() const override { return CountOf(Key("GetBumpMap")); }
    std::string GetBumpMapName(int) const override { return {}; }
    double GetBumpMapSize(int, int) const override { return {}; }
    double GetBumpMapDistance(int, int) const override { return {}; }
};

class StubTrackDetail : public ThreeDObjectTrackDetail, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackDetail"; }
    void Write(Util::BinaryStream&, U32) override {}
    double GetLongitude() const override { return {}; }
    double GetHeight() const override { return {}; }
    double GetLatitude() const override { return {}; }
    double GetWidth() const override { return {}; }
    double GetOrientation() const override { return {}; }
    Util::CountedPointer<ThreeDObject> GetAppearance() const override
    {
        return ItemOf<ThreeDObject>(Key("GetAppearance"), 0);
    }
    TextureVertex GetTextureVertex(int) const override { return {}; }
};

class StubTrackDetailSplit : public ThreeDObjectTrackDetailSplit, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackDetailSplit"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetLevelCount() const override { return CountOf(Key("GetLevel")); }
    int GetLevelChildCount(int level) const override { return CountOf(Key("GetLevelChild", level)); }
    Util::CountedPointer<ThreeDObject> GetLevelChild(int level, int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetLevelChild", level), i);
    }
    Util::CountedPointer<ThreeDObject> GetLinks() const override { return ItemOf<ThreeDObject>(Key("GetLinks"), 0); }
};

class StubTrackDrawingDistances : public ThreeDObjectTrackDrawingDistances, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackDrawingDistances"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetRecordCount() const override { return CountOf(Key("GetRecord")); }
    int GetFirstValue(int) const override { return {}; }
    int GetSecondValue(int) const override { return {}; }
    int GetThirdValue(int) const override { return {}; }
    int GetFourthValue(int) const override { return {}; }
};

class StubTrackIndex : public ThreeDObjectTrackIndex, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackIndex"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetIndexCount() const override { return CountOf(Key("GetIndex")); }
    int GetIndex(int) const override { return {}; }
};

class StubTrackLevelPlane : public ThreeDObjectTrackLevelPlane, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackLevelPlane"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    Plane GetPlane() const override { return {}; }
};

class StubTrackLink : public ThreeDObjectTrackLink, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackLink"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetLinkCount() const override { return CountOf(Key("GetLink")); }
    int GetLink(int) const override { return {}; }
};

class StubTrackRoot : public ThreeDObjectTrackRoot, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackRoot"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    Util::CountedPointer<ThreeDObject> GetDrawingDistances() const override
    {
        return ItemOf<ThreeDObject>(Key("GetDrawingDistances"), 0);
    }
};

class StubTrackSections : public ThreeDObjectTrackSections, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackSections"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetIndex() const override { return ItemOf<ThreeDObject>(Key("GetIndex"), 0); }
    int GetSectionCount() const override { return CountOf(Key("GetSection")); }
    Util::CountedPointer<ThreeDObject> GetSection(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetSection"), i);
    }
    Util::CountedPointer<ThreeDObject> GetTracksideObjects() const override
    {
        return ItemOf<ThreeDObject>(Key("GetTracksideObjects"), 0);
    }
};

class StubTrackSegment : public ThreeDObjectTrackSegment, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackSegment"; }
    void Write(Util::BinaryStream&, U32) override {}
    bool IsCorner() const override { return FlagOf(Key("IsCorner")); }
    double GetStartX() const override { return {}; }
    double GetStartY() const override { return {}; }
    double GetEndX() const override { return {}; }
    double GetEndY() const override { return {}; }
    double GetStartHeading() const override { return {}; }
    double GetEndHeading() const override { return {}; }
    int GetXSectionCount() const override { return CountOf(Key("GetXSection")); }
    Util::CountedPointer<ThreeDObjectXSection> GetXSection(int i) const override
    {
        return ItemOf<ThreeDObjectXSection>(Key("GetXSection"), i);
    }
    int GetFSectionCount() const override { return CountOf(Key("GetFSection")); }
    Util::CountedPointer<ThreeDObjectFSection> GetFSection(int i) const override
    {
        return ItemOf<ThreeDObjectFSection>(Key("GetFSection"), i);
    }
    int GetWSectionCount() const override { return CountOf(Key("GetWSection")); }
    Util::CountedPointer<ThreeDObjectWSection> GetWSection(int i) const override
    {
        return ItemOf<ThreeDObjectWSection>(Key("GetWSection"), i);
    }
    int GetBumpMapEntryCount() const override { return CountOf(Key("GetBumpMapEntry")); }
    double GetBumpMapStartLatitude(int) const override { return {}; }
    double GetBumpMapEndLatitude(int) const override { return {}; }
    int GetBumpMapIndex(int) const override { return {}; }
    double GetBumpMapStartScale(int) const override { return {}; }
    double GetBumpMapEndScale(int) const override { return {}; }
};

class StubTrackSubSection1 : public ThreeDObjectTrackSubSection1, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TrackSubSection1"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetObjectsChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetObjectsChild"), 0);
    }
    int GetTrackChildCount() const override { return CountOf(Key("GetTrackChild")); }
    Util::CountedPointer<ThreeDObject> GetTrackChild(int i) const override
    {
        return ItemOf<ThreeDObject>(Key("GetTrackChild"), i);
    }
    bool HasGrooveChild() const override { return FlagOf(Key("HasGrooveChild")); }
    Util::CountedPointer<ThreeDObject> GetGrooveChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetGrooveChild"), 0);
    }
    Util::CountedPointer<ThreeDObject> GetMarkingsChild() const override
    {
        return ItemOf<ThreeDObject>(Key("GetMarkingsChild"), 0);
    }
};

class StubTracksideObject : public ThreeDObjectTracksideObject, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TracksideObject"; }
    void Write(Util::BinaryStream&, U32) override {}
    std::string GetObjectName() const override { return {}; }
    std::string GetComment() const override { return {}; }
    bool IsShared() const override { return FlagOf(Key("IsShared")); }
};

class StubTransform : public ThreeDObjectTransform, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Transform"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    double GetXTranslation() const override { return {}; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return {}; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return {}; }
    void SetZTranslation(double) override {}
    double GetXRotation() const override { return {}; }
    void SetXRotation(double) override {}
    double GetYRotation() const override { return {}; }
    void SetYRotation(double) override {}
    double GetZRotation() const override { return {}; }
    void SetZRotation(double) override {}
    BoundingBox GetBoundingBox() const override { return {}; }
};

class StubTransformation : public ThreeDObjectTransformation, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Transformation"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    void SetChild(const Util::CountedPointer<ThreeDObject>&) override {}
    double GetXTranslation() const override { return {}; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return {}; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return {}; }
    void SetZTranslation(double) override {}
    double GetXRotation() const override { return {}; }
    void SetXRotation(double) override {}
    double GetYRotation() const override { return {}; }
    void SetYRotation(double) override {}
    double GetZRotation() const override { return {}; }
    void SetZRotation(double) override {}
    double GetScale() const override { return {}; }
    void SetScale(double) override {}
};

class StubTriangles : public ThreeDObjectTriangles, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Triangles"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetIndexCount() const override { return CountOf(Key("GetIndex")); }
    U32 GetIndex(int) const override { return {}; }
    void SetIndex(int, U32) override {}
};

class StubTriangleFan : public ThreeDObjectTriangleFan, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TriangleFan"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetVertices() const override
    {
        return ItemOf<ThreeDObject>(Key("GetVertices"), 0);
    }
    int GetIndexCount() const override { return CountOf(Key("GetIndex")); }
    int GetIndex(int) const override { return {}; }
    void SetIndex(int, int) override {}
};

class StubTriangleStrip : public ThreeDObjectTriangleStrip, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TriangleStrip"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetVertices() const override
    {
        return ItemOf<ThreeDObject>(Key("GetVertices"), 0);
    }
    int GetIndexCount() const override { return CountOf(Key("GetIndex")); }
    int GetIndex(int) const override { return {}; }
    void SetIndex(int, int) override {}
};

class StubTsoReference : public ThreeDObjectTsoReference, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "TsoReference"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
    bool IsDynamic() const override { return FlagOf(Key("IsDynamic")); }
    std::string GetPathFile() const override { return {}; }
    DynamicTSOType GetDynamicType() const override { return {}; }
    int GetStartWaypoint() const override { return {}; }
    double GetSpeed() const override { return {}; }
    double GetXTranslation() const override { return {}; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return {}; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return {}; }
    void SetZTranslation(double) override {}
    bool UsesWindDirection() const override { return FlagOf(Key("UsesWindDirection")); }
    void SetUsesWindDirection(bool) override {}
    double GetXRotation() const override { return {}; }
    void SetXRotation(double) override {}
    double GetYRotation() const override { return {}; }
    void SetYRotation(double) override {}
    double GetZRotation() const override { return {}; }
    void SetZRotation(double) override {}
    int GetAnimationCount() const override { return CountOf(Key("GetAnimation")); }
    std::string GetAnimationName(int) const override { return {}; }
    int GetAnimationFrameCount(int i) const override { return CountOf(Key("GetAnimationFrame", i)); }
    double GetAnimationFramesPerSecond(int) const override { return {}; }
    bool HasSoundFile() const override { return FlagOf(Key("HasSoundFile")); }
    std::string GetSoundFile() const override { return {}; }
};

class StubU1 : public ThreeDObjectU1, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "U1"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetFirst() const override { return {}; }
    int GetSecond() const override { return {}; }
    int GetThird() const override { return {}; }
    int GetFourth() const override { return {}; }
};

class StubU3 : public ThreeDObjectU3, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "U3"; }
    void Write(Util::BinaryStream&, U32) override {}
    Util::CountedPointer<ThreeDObject> GetChild() const override { return ItemOf<ThreeDObject>(Key("GetChild"), 0); }
};

class StubVertexFixer : public ThreeDObjectVertexFixer, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "VertexFixer"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetVertexCount() const override { return CountOf(Key("GetVertex")); }
    Vertex GetVertex(int) const override { return {}; }
    int GetVertexId(int) const override { return {}; }
    void SetVertexId(int, int) override {}
};

class StubVertices : public ThreeDObjectVertices, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "Vertices"; }
    void Write(Util::BinaryStream&, U32) override {}
    int GetVertexCount() const override { return CountOf(Key("GetVertex")); }
    Vertex GetVertex(int) const override { return {}; }
    void SetVertex(int, const Vertex&) override {}
    Normal GetNormal(int) const override { return {}; }
    void SetNormal(int, const Normal&) override {}
    bool HasTextureVertices() const override { return FlagOf(Key("HasTextureVertices")); }
    TextureVertex GetTextureVertex(int) const override { return {}; }
    void SetTextureVertex(int, const TextureVertex&) override {}
    bool HasSpecularTextureVertices() const override { return FlagOf(Key("HasSpecularTextureVertices")); }
    TextureVertex GetSpecularTextureVertex(int) const override { return {}; }
    void SetSpecularTextureVertex(int, const TextureVertex&) override {}
};

class StubWSection : public ThreeDObjectWSection, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "WSection"; }
    void Write(Util::BinaryStream&, U32) override {}
    bool IsForcedStraight() const override { return FlagOf(Key("IsForcedStraight")); }
    double GetStartLatitude() const override { return {}; }
    double GetEndLatitude() const override { return {}; }
    double GetStartHeight() const override { return {}; }
    double GetEndHeight() const override { return {}; }
    double GetStartHalfWidth() const override { return {}; }
    double GetEndHalfWidth() const override { return {}; }
    double GetStartCollisionHalfWidth() const override { return {}; }
    double GetEndCollisionHalfWidth() const override { return {}; }
    WallType GetWallType() const override { return {}; }
    bool IsVertical() const override { return FlagOf(Key("IsVertical")); }
    bool IsProfileCurved() const override { return FlagOf(Key("IsProfileCurved")); }
    int GetProfilePointCount() const override { return CountOf(Key("GetProfilePoint")); }
    Vertex GetProfilePoint(int) const override { return {}; }
    int GetSubsectionCount() const override { return CountOf(Key("GetSubsection")); }
    double GetSplitPoint(int) const override { return {}; }
    bool HasEntry(int subsection, int entry) const override { return FlagOf(Key("HasEntry", subsection, entry)); }
    Util::CountedPointer<ThreeDObjectAppearance> GetEntryAppearance(int subsection, int entry) const override
    {
        return ItemOf<ThreeDObjectAppearance>(Key("GetEntryAppearance", subsection), entry);
    }
    Util::CountedPointer<ThreeDObject> GetEntryTextureCoords(int subsection, int entry) const override
    {
        return ItemOf<ThreeDObject>(Key("GetEntryTextureCoords", subsection), entry);
    }
    bool HasEntryBaseTexture(int subsection, int entry) const override
    {
        return FlagOf(Key("HasEntryBaseTexture", subsection, entry));
    }
    bool HasEntryLightMapTexture(int subsection, int entry) const override
    {
        return FlagOf(Key("HasEntryLightMapTexture", subsection, entry));
    }
    bool UsesDefaultTexelParameters(int subsection, int entry, int link) const override
    {
        return FlagOf(Key("UsesDefaultTexelParameters", subsection, entry, link));
    }
    bool IsHorizontalTexelFixed(int subsection, int entry, int link) const override
    {
        return FlagOf(Key("IsHorizontalTexelFixed", subsection, entry, link));
    }
    double GetHorizontalTexelSize(int, int, int) const override { return {}; }
    double GetHorizontalTexelSkew(int, int, int) const override { return {}; }
    bool IsVerticalTexelFixed(int subsection, int entry, int link) const override
    {
        return FlagOf(Key("IsVerticalTexelFixed", subsection, entry, link));
    }
    double GetVerticalTexelSize(int, int, int) const override { return {}; }
    double GetVerticalTexelSkew(int, int, int) const override { return {}; }
};

class StubXSection : public ThreeDObjectXSection, public StubData
{
public:
    int GetId() const override { return Id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "XSection"; }
    void Write(Util::BinaryStream&, U32) override {}
    double GetStartLatitude() const override { return {}; }
    double GetEndLatitude() const override { return {}; }
    void SetLatitude(double, double) override {}
    double GetStartAltitude() const override { return {}; }
    double GetEndAltitude() const override { return {}; }
    double GetStartSlope() const override { return {}; }
    double GetEndSlope() const override { return {}; }
    void SetAltitude(double, double, double, double) override {}
};

// A new stub of each kind, with its kind name, in the order of the visitor groups.
inline std::vector<std::pair<std::string, StubData::Node (*)()>> AllStubKinds()
{
    return {
        {"AnimatedTransform", []() { return StubData::Node(new StubAnimatedTransform); }},
        {"AnimationSplitter", []() { return StubData::Node(new StubAnimationSplitter); }},
        {"Appearance", []() { return StubData::Node(new StubAppearance); }},
        {"AppNode", []() { return StubData::Node(new StubAppNode); }},
        {"Billboard", []() { return StubData::Node(new StubBillboard); }},
        {"BoundingBox", []() { return StubData::Node(new StubBoundingBox); }},
        {"CarRoot", []() { return StubData::Node(new StubCarRoot); }},
        {"ClassMaterial", []() { return StubData::Node(new StubClassMaterial); }},
        {"ClassTexture", []() { return StubData::Node(new StubClassTexture); }},
        {"ClassTextureMaterial", []() { return StubData::Node(new StubClassTextureMaterial); }},
        {"ClassTextureSelector", []() { return StubData::Node(new StubClassTextureSelector); }},
        {"ClassTextureSelectorMaterial", []() { return StubData::Node(new StubClassTextureSelectorMaterial); }},
        {"ColourMap", []() { return StubData::Node(new StubColourMap); }},
        {"DisplayClass", []() { return StubData::Node(new StubDisplayClass); }},
        {"DistanceSplitter", []() { return StubData::Node(new StubDistanceSplitter); }},
        {"Empty", []() { return StubData::Node(new StubEmpty); }},
        {"ExtObject", []() { return StubData::Node(new StubExtObject); }},
        {"ExtObjectList", []() { return StubData::Node(new StubExtObjectList); }},
        {"FSection", []() { return StubData::Node(new StubFSection); }},
        {"Geometry", []() { return StubData::Node(new StubGeometry); }},
        {"Group", []() { return StubData::Node(new StubGroup); }},
        {"Handle", []() { return StubData::Node(new StubHandle); }},
        {"LatitudeSplitter", []() { return StubData::Node(new StubLatitudeSplitter); }},
        {"Line", []() { return StubData::Node(new StubLine); }},
        {"LodSwitch", []() { return StubData::Node(new StubLodSwitch); }},
        {"LongitudeSplitter", []() { return StubData::Node(new StubLongitudeSplitter); }},
        {"Material", []() { return StubData::Node(new StubMaterial); }},
        {"MorphVertices", []() { return StubData::Node(new StubMorphVertices); }},
        {"MultipleTextures", []() { return StubData::Node(new StubMultipleTextures); }},
        {"Null", []() { return StubData::Node(new StubNull); }},
        {"NumberList", []() { return StubData::Node(new StubNumberList); }},
        {"ObjectList", []() { return StubData::Node(new StubObjectList); }},
        {"ObjectLocatorList", []() { return StubData::Node(new StubObjectLocatorList); }},
        {"ObjectLocator", []() { return StubData::Node(new StubObjectLocator); }},
        {"PlaneCullFront", []() { return StubData::Node(new StubPlaneCullFront); }},
        {"PlaneOrder2", []() { return StubData::Node(new StubPlaneOrder2); }},
        {"PlaneOrder2CullFrontBack", []() { return StubData::Node(new StubPlaneOrder2CullFrontBack); }},
        {"PlaneOrder3", []() { return StubData::Node(new StubPlaneOrder3); }},
        {"PlaneOrder3CullFront", []() { return StubData::Node(new StubPlaneOrder3CullFront); }},
        {"PlaneOrder4CullFrontBack", []() { return StubData::Node(new StubPlaneOrder4CullFrontBack); }},
        {"PointLight", []() { return StubData::Node(new StubPointLight); }},
        {"Polygon", []() { return StubData::Node(new StubPolygon); }},
        {"Portal", []() { return StubData::Node(new StubPortal); }},
        {"Proxy", []() { return StubData::Node(new StubProxy); }},
        {"Root", []() { return StubData::Node(new StubRoot); }},
        {"ScaledBitmap", []() { return StubData::Node(new StubScaledBitmap); }},
        {"SelfLighting", []() { return StubData::Node(new StubSelfLighting); }},
        {"Shape", []() { return StubData::Node(new StubShape); }},
        {"StateSplitter", []() { return StubData::Node(new StubStateSplitter); }},
        {"StateSwitch", []() { return StubData::Node(new StubStateSwitch); }},
        {"StateValueSetter", []() { return StubData::Node(new StubStateValueSetter); }},
        {"Texture", []() { return StubData::Node(new StubTexture); }},
        {"Texture2", []() { return StubData::Node(new StubTexture2); }},
        {"TextureCoords", []() { return StubData::Node(new StubTextureCoords); }},
        {"TextureSelector", []() { return StubData::Node(new StubTextureSelector); }},
        {"Track", []() { return StubData::Node(new StubTrack); }},
        {"TrackDetail", []() { return StubData::Node(new StubTrackDetail); }},
        {"TrackDetailSplit", []() { return StubData::Node(new StubTrackDetailSplit); }},
        {"TrackDrawingDistances", []() { return StubData::Node(new StubTrackDrawingDistances); }},
        {"TrackIndex", []() { return StubData::Node(new StubTrackIndex); }},
        {"TrackLevelPlane", []() { return StubData::Node(new StubTrackLevelPlane); }},
        {"TrackLink", []() { return StubData::Node(new StubTrackLink); }},
        {"TrackRoot", []() { return StubData::Node(new StubTrackRoot); }},
        {"TrackSections", []() { return StubData::Node(new StubTrackSections); }},
        {"TrackSegment", []() { return StubData::Node(new StubTrackSegment); }},
        {"TrackSubSection1", []() { return StubData::Node(new StubTrackSubSection1); }},
        {"TracksideObject", []() { return StubData::Node(new StubTracksideObject); }},
        {"Transform", []() { return StubData::Node(new StubTransform); }},
        {"Transformation", []() { return StubData::Node(new StubTransformation); }},
        {"Triangles", []() { return StubData::Node(new StubTriangles); }},
        {"TriangleFan", []() { return StubData::Node(new StubTriangleFan); }},
        {"TriangleStrip", []() { return StubData::Node(new StubTriangleStrip); }},
        {"TsoReference", []() { return StubData::Node(new StubTsoReference); }},
        {"U1", []() { return StubData::Node(new StubU1); }},
        {"U3", []() { return StubData::Node(new StubU3); }},
        {"VertexFixer", []() { return StubData::Node(new StubVertexFixer); }},
        {"Vertices", []() { return StubData::Node(new StubVertices); }},
        {"WSection", []() { return StubData::Node(new StubWSection); }},
        {"XSection", []() { return StubData::Node(new StubXSection); }},
    };
}
} // namespace VelmoTest
