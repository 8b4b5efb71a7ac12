#pragma once
// What the save tests share: a memory stream that fails after a number of bytes, saving to
// bytes, and a canonical dump of a file's tree.
//
// The dump walks the tree from the root and writes each node once, in the editor's terms
// (vertex coordinates, plane values, strings, display classes, colours, numbers; never table
// indexes, string offsets or file offsets), with its children indented below it. A node
// reached a second time is written as a reference to its first appearance, so two files
// dump alike exactly when they hold the same tree with the same sharing. Locator siblings are
// followed too.
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "GPLTestFile.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

namespace VelmoTest
{
// A memory stream whose writes fail once the given number of bytes has been written.
class FailingStream : public Velmo::Util::MemoryStream
{
public:
    explicit FailingStream(std::uint64_t limit) : MemoryStream("saved.3do"), m_limit(limit) {}
    void Write(std::uint32_t count, const void* data) override
    {
        if (m_written + count > m_limit)
            throw Velmo::Util::XFileWrite(GetName());
        m_written += count;
        MemoryStream::Write(count, data);
    }

private:
    std::uint64_t m_limit;
    std::uint64_t m_written = 0;
};

inline Bytes SaveToBytes(Velmo::Papy::GPLTdoFile& file, Bytes initial = {})
{
    auto* memory = new Velmo::Util::MemoryStream(std::move(initial), "saved.3do");
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(memory);
    file.Save(stream);
    return memory->GetBytes();
}

class DumpVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    typedef Velmo::Papy::ThreeDObject Node;

    std::string Text() const { return m_out.str(); }

    bool Enter(Node& node) override { return Open(node, ""); }
    void Leave(Node&) override { --m_depth; }
    void Visit(Node& node) override
    {
        if (Open(node, ""))
            --m_depth;
    }

    bool BeforeObjectLocatorSibling(Velmo::Papy::ThreeDObjectObjectLocator&, int) override { return true; }

    bool EnterRoot(Velmo::Papy::ThreeDObjectRoot& node) override { return Open(node, "root"); }
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override { return Open(node, "handle " + node.GetName()); }
    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& n) override
    {
        std::ostringstream s;
        for (int i = 0; i < n.GetVertexCount(); ++i)
        {
            s << " v" << V(n.GetVertex(i));
            if (n.HasShades())
                s << " s" << C(n.GetShade(i));
            if (n.HasNormals())
                s << " n(" << n.GetNormal(i).GetX() << "," << n.GetNormal(i).GetY() << "," << n.GetNormal(i).GetZ()
                  << ")";
            if (n.HasTextureVertices())
                s << " t(" << n.GetTextureVertex(i).GetU() << "," << n.GetTextureVertex(i).GetV() << ")";
        }
        if (n.HasColour())
            s << " colour" << C(n.GetColour());
        if (n.HasColourMapIndex())
            s << " map " << n.GetColourMapIndex();
        Leaf(n, "polygon" + s.str());
    }
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& n) override
    {
        std::ostringstream s;
        s << "bitmap " << n.GetSrbName() << V(n.GetVertex()) << " h " << n.GetHeight() << " rev "
          << n.IsHorizontallyReversed() << n.IsVerticallyReversed();
        if (n.HasColour())
            s << C(n.GetColour());
        Leaf(n, s.str());
    }
    void VisitLine(Velmo::Papy::ThreeDObjectLine& n) override
    {
        Leaf(n, "line" + V(n.GetFromVertex()) + V(n.GetToVertex()) + C(n.GetColour()));
    }
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& n) override
    {
        std::string s = "fixer";
        for (int i = 0; i < n.GetVertexCount(); ++i)
            s += V(n.GetVertex(i));
        Leaf(n, s);
    }
    void VisitStateValueSetter(Velmo::Papy::ThreeDObjectStateValueSetter& n) override
    {
        Leaf(n, "setter " + std::to_string(n.GetStateIndex()) + " " + std::to_string(n.GetStateValue()));
    }
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& n) override { Leaf(n, "ext " + n.GetObjectName()); }
    void VisitNumberList(Velmo::Papy::ThreeDObjectNumberList& n) override
    {
        std::string s = "numbers";
        for (int i = 0; i < n.GetNumberCount(); ++i)
            s += " " + std::to_string(n.GetNumber(i));
        Leaf(n, s);
    }
    void VisitTrackIndex(Velmo::Papy::ThreeDObjectTrackIndex& n) override
    {
        std::string s = "index";
        for (int i = 0; i < n.GetIndexCount(); ++i)
            s += " " + std::to_string(n.GetIndex(i));
        Leaf(n, s);
    }
    void VisitTrackLink(Velmo::Papy::ThreeDObjectTrackLink& n) override
    {
        std::string s = "links";
        for (int i = 0; i < n.GetLinkCount(); ++i)
            s += " " + std::to_string(n.GetLink(i));
        Leaf(n, s);
    }
    void VisitTrackDrawingDistances(Velmo::Papy::ThreeDObjectTrackDrawingDistances& n) override
    {
        std::string s = "distances";
        for (int i = 0; i < n.GetRecordCount(); ++i)
            s += " " + std::to_string(n.GetFirstValue(i)) + "/" + std::to_string(n.GetSecondValue(i)) + "/" +
                 std::to_string(n.GetThirdValue(i)) + "/" + std::to_string(n.GetFourthValue(i));
        Leaf(n, s);
    }
    bool EnterBoundingBox(Velmo::Papy::ThreeDObjectBoundingBox& n) override
    {
        std::string s = "box";
        for (int i = 0; i < n.GetVertexCount(); ++i)
            s += V(n.GetVertex(i));
        return Open(n, s);
    }
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& n) override
    {
        std::ostringstream s;
        s << "transform " << n.GetXTranslation() << " " << n.GetYTranslation() << " " << n.GetZTranslation() << " "
          << n.GetXRotation() << " " << n.GetYRotation() << " " << n.GetZRotation() << " " << n.GetScale();
        return Open(n, s.str());
    }
    bool EnterDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& n) override
    {
        std::ostringstream s;
        s << "distance" << V(n.GetVertex()) << " op " << n.GetComparisonOperator();
        for (int i = 0; i < n.GetChildCount(); ++i)
            s << " " << n.GetSplitDistance(i);
        return Open(n, s.str());
    }
    bool EnterLongitudeSplitter(Velmo::Papy::ThreeDObjectLongitudeSplitter& n) override
    {
        std::ostringstream s;
        s << "longitude op " << n.GetComparisonOperator();
        for (int i = 0; i < n.GetChildCount(); ++i)
            s << " " << n.GetLongitude(i);
        return Open(n, s.str());
    }
    bool EnterLatitudeSplitter(Velmo::Papy::ThreeDObjectLatitudeSplitter& n) override
    {
        std::ostringstream s;
        s << "latitude op " << n.GetComparisonOperator();
        for (int i = 0; i < n.GetChildCount(); ++i)
            s << " " << n.GetLatitude(i);
        return Open(n, s.str());
    }
    bool EnterAnimationSplitter(Velmo::Papy::ThreeDObjectAnimationSplitter& n) override
    {
        std::ostringstream s;
        s << "animation " << n.GetPeriod() << " op " << n.GetComparisonOperator();
        for (int i = 0; i < n.GetChildCount(); ++i)
            s << " " << n.GetTick(i);
        return Open(n, s.str());
    }
    bool EnterStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& n) override
    {
        std::ostringstream s;
        s << "state " << n.GetVariable() << " op " << n.GetComparisonOperator();
        for (int i = 0; i < n.GetChildCount(); ++i)
            s << " " << n.GetValue(i);
        return Open(n, s.str());
    }
    bool EnterObjectLocator(Velmo::Papy::ThreeDObjectObjectLocator& n) override
    {
        std::ostringstream s;
        s << "locator";
        for (int i = 0; i < 4; ++i)
            s << P(n.GetPlane(i));
        for (int i = 0; i < n.GetObjectCount(); ++i)
            s << " at(" << n.GetObjectX(i) << "," << n.GetObjectY(i) << "," << n.GetObjectZ(i) << ")";
        return Open(n, s.str());
    }
    bool EnterPlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& n) override
    {
        return Open(n, "cull" + P(n.GetPlane()));
    }
    bool EnterPlaneOrder2(Velmo::Papy::ThreeDObjectPlaneOrder2& n, bool&) override
    {
        return Open(n, "order2" + P(n.GetPlane()));
    }
    bool EnterPlaneOrder2CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& n, bool&) override
    {
        return Open(n, "order2cfb" + P(n.GetPlane()));
    }
    bool EnterPlaneOrder3(Velmo::Papy::ThreeDObjectPlaneOrder3& n, bool&) override
    {
        return Open(n, "order3" + P(n.GetPlane()));
    }
    bool EnterPlaneOrder3CullFront(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& n, bool&) override
    {
        return Open(n, "order3cf" + P(n.GetPlane()));
    }
    bool EnterPlaneOrder4CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& n, bool&) override
    {
        return Open(n, "order4cfb" + P(n.GetPlane()));
    }
    bool EnterTexture(Velmo::Papy::ThreeDObjectTexture& n) override { return Open(n, "texture " + n.GetTextureName()); }
    bool EnterDisplayClass(Velmo::Papy::ThreeDObjectDisplayClass& n) override
    {
        return Open(n, "class " + std::to_string(int(n.GetClass())));
    }
    bool EnterClassTexture(Velmo::Papy::ThreeDObjectClassTexture& n) override
    {
        return Open(n, "classtexture " + std::to_string(int(n.GetClass())) + " " + n.GetTextureName());
    }
    bool EnterMaterial(Velmo::Papy::ThreeDObjectMaterial& n) override
    {
        return Open(n, "material " + std::to_string(n.GetShininess()) + C(n.GetSpecularShade()));
    }
    bool EnterClassMaterial(Velmo::Papy::ThreeDObjectClassMaterial& n) override
    {
        return Open(n, "classmaterial " + std::to_string(int(n.GetClass())) + " " + std::to_string(n.GetShininess()) +
                           C(n.GetSpecularShade()));
    }
    bool EnterClassTextureMaterial(Velmo::Papy::ThreeDObjectClassTextureMaterial& n) override
    {
        return Open(n, "classtexturematerial " + std::to_string(int(n.GetClass())) + " " + n.GetTextureName() + " " +
                           std::to_string(n.GetShininess()) + C(n.GetSpecularShade()));
    }
    bool EnterMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& n) override
    {
        std::string s = "textures";
        for (int i = 0; i < n.GetTextureCount(); ++i)
            s += " " + n.GetTextureName(i);
        return Open(n, s);
    }
    bool EnterTextureSelector(Velmo::Papy::ThreeDObjectTextureSelector& n) override
    {
        return Open(n, "selector " + std::to_string(n.GetTextureSlot()));
    }
    bool EnterClassTextureSelector(Velmo::Papy::ThreeDObjectClassTextureSelector& n) override
    {
        return Open(n, "classselector " + std::to_string(int(n.GetClass())) + " " + std::to_string(n.GetTextureSlot()));
    }
    bool EnterClassTextureSelectorMaterial(Velmo::Papy::ThreeDObjectClassTextureSelectorMaterial& n) override
    {
        return Open(n, "classselectormaterial " + std::to_string(int(n.GetClass())) + " " +
                           std::to_string(n.GetTextureSlot()) + " " + std::to_string(n.GetShininess()) +
                           C(n.GetSpecularShade()));
    }

private:
    static std::string V(const Velmo::Papy::Vertex& v)
    {
        std::ostringstream s;
        s << "(" << v.GetX() << "," << v.GetY() << "," << v.GetZ() << ")";
        return s.str();
    }
    static std::string P(const Velmo::Papy::Plane& p)
    {
        std::ostringstream s;
        s << "[" << p.GetA() << "," << p.GetB() << "," << p.GetC() << "," << p.GetD() << "]";
        return s.str();
    }
    static std::string C(const Velmo::Papy::Colour& c)
    {
        std::ostringstream s;
        s << "{" << c.GetRed() << "," << c.GetGreen() << "," << c.GetBlue() << "," << c.GetAlpha() << "}";
        return s.str();
    }

    // Writes the node's line; false (and no descent) when it was written before.
    bool Open(Node& node, const std::string& text)
    {
        std::string indent(std::size_t(2 * m_depth), ' ');
        auto seen = m_numbers.find(&node);
        if (seen != m_numbers.end())
        {
            m_out << indent << "@" << seen->second << "\n";
            ++m_depth;
            return false;
        }
        int number = int(m_numbers.size());
        m_numbers[&node] = number;
        m_out << indent << "#" << number << " " << node.GetType() << " " << text << "\n";
        ++m_depth;
        return true;
    }
    void Leaf(Node& node, const std::string& text)
    {
        Open(node, text);
        --m_depth;
    }

    std::ostringstream m_out;
    std::map<const Node*, int> m_numbers;
    int m_depth = 0;
};

// The dump of the whole tree, from the root.
inline std::string Dump(Velmo::Papy::GPLTdoFile& file)
{
    DumpVisitor dump;
    file.GetRoot()->Accept(dump);
    return dump.Text();
}
} // namespace VelmoTest
