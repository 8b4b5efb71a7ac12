// The generator's listing of a loaded file, computed through the node interfaces only.
#include <gtest/gtest.h>

#include "N2TestSupport.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectU1.h"
#include "Papy/Model/ThreeDObjectVisitor.h"

namespace VelmoTest
{
namespace
{
using namespace Velmo::Papy;

// The ids of the children a walk visits, one level down.
class Kids : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override
    {
        if (m_depth++ == 1)
        {
            Ids.push_back(node.GetId());
            return false;
        }
        return true;
    }
    void Leave(ThreeDObject&) override { --m_depth; }
    void Visit(ThreeDObject& node) override
    {
        if (m_depth == 1)
            Ids.push_back(node.GetId());
    }
    std::vector<int> Ids;

private:
    int m_depth = 0;
};

std::string F6(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", x + 0.0);
    return text;
}

std::string Bytes4(const Colour& c)
{
    auto b = [](float v) { return std::to_string(int(v * 255 + 0.5f)); };
    return b(c.GetRed()) + ":" + b(c.GetGreen()) + ":" + b(c.GetBlue()) + ":" + b(c.GetAlpha());
}

template <class T, class Show>
std::string Join(const std::vector<T>& items, Show show)
{
    if (items.empty())
        return "-";
    std::string out;
    for (const T& item : items)
        out += (out.empty() ? "" : ",") + show(item);
    return out;
}

std::string Ints(const std::vector<int>& items)
{
    return Join(items, [](int i) { return std::to_string(i); });
}

std::string Xyz(double x, double y, double z)
{
    return F6(x) + ":" + F6(y) + ":" + F6(z);
}

std::string PlaneText(const Plane& p)
{
    return F6(p.GetA()) + ":" + F6(p.GetB()) + ":" + F6(p.GetC()) + ":" + F6(p.GetD());
}

template <class Kind>
bool AddPlane(ThreeDObject& node, std::vector<std::pair<std::string, std::string>>& facts)
{
    if (auto* k = dynamic_cast<Kind*>(&node))
    {
        facts.emplace_back("plane", PlaneText(k->GetPlane()));
        return true;
    }
    return false;
}

std::string Line(const N2TdoFile& file, ThreeDObject& node)
{
    std::vector<std::pair<std::string, std::string>> facts;
    facts.emplace_back("type", node.GetType());
    Kids kids;
    node.Accept(kids);
    facts.emplace_back("kids", Ints(kids.Ids));

    if (auto* p = dynamic_cast<ThreeDObjectPolygon*>(&node))
    {
        const int n = p->GetVertexCount();
        std::vector<int> vids, nids;
        std::vector<std::string> tex, shades;
        for (int i = 0; i < n; ++i)
        {
            vids.push_back(p->GetVertexId(i));
            if (p->HasTextureVertices())
                tex.push_back(F6(p->GetTextureVertex(i).GetU()) + ":" + F6(p->GetTextureVertex(i).GetV()));
            if (p->HasShades())
                shades.push_back(Bytes4(p->GetShade(i)));
            if (p->HasNormals())
                nids.push_back(p->GetNormalId(i));
        }
        auto text = [](const std::string& s) { return s; };
        facts.emplace_back("vids", Ints(vids));
        facts.emplace_back("colour", Bytes4(p->GetColour()));
        if (n > 0 && std::size_t(U32(vids[0])) < file.GetVertices().size())
        {
            Vertex v = p->GetVertex(0);
            facts.emplace_back("v0", Xyz(v.GetX(), v.GetY(), v.GetZ()));
        }
        if (p->HasTextureVertices())
            facts.emplace_back("tex", Join(tex, text));
        if (p->HasShades())
            facts.emplace_back("shades", Join(shades, text));
        if (p->HasNormals())
        {
            facts.emplace_back("nids", Ints(nids));
            if (n > 0 && std::size_t(U32(nids[0])) < file.GetNormals().size())
            {
                Normal m = p->GetNormal(0);
                facts.emplace_back("n0", Xyz(m.GetX(), m.GetY(), m.GetZ()));
            }
        }
    }
    else if (auto* b = dynamic_cast<ThreeDObjectScaledBitmap*>(&node))
    {
        facts.emplace_back("at", std::to_string(b->GetVertexId()));
        facts.emplace_back("name", b->GetSrbName());
        facts.emplace_back("scaled", b->HasScale() ? "1" : "0");
        facts.emplace_back("height", F6(b->GetHeight()));
    }
    else if (auto* t = dynamic_cast<ThreeDObjectTexture*>(&node))
        facts.emplace_back("name", t->GetTextureName());
    else if (auto* e = dynamic_cast<ThreeDObjectExtObject*>(&node))
        facts.emplace_back("name", e->GetObjectName());
    else if (auto* d = dynamic_cast<ThreeDObjectDisplayClass*>(&node))
        facts.emplace_back("class", std::to_string(int(d->GetClass())));
    else if (auto* ct = dynamic_cast<ThreeDObjectClassTexture*>(&node))
    {
        facts.emplace_back("class", std::to_string(int(ct->GetClass())));
        facts.emplace_back("name", ct->GetTextureName());
    }
    else if (auto* cm = dynamic_cast<ThreeDObjectClassMaterial*>(&node))
    {
        facts.emplace_back("class", std::to_string(int(cm->GetClass())));
        facts.emplace_back("shine", F6(cm->GetShininess()));
    }
    else if (auto* map = dynamic_cast<ThreeDObjectColourMap*>(&node))
    {
        std::vector<std::string> entries;
        for (int i = 0; i < map->GetEntryCount(); ++i)
            entries.push_back(std::to_string(map->GetEntry(i)) + "=" + Bytes4(map->GetColour(i)));
        facts.emplace_back("map", Join(entries, [](const std::string& s) { return s; }));
    }
    else if (AddPlane<ThreeDObjectPlaneCullFront>(node, facts) || AddPlane<ThreeDObjectPlaneOrder2>(node, facts) ||
             AddPlane<ThreeDObjectPlaneOrder2CullFrontBack>(node, facts) ||
             AddPlane<ThreeDObjectPlaneOrder3>(node, facts) || AddPlane<ThreeDObjectPlaneOrder3CullFront>(node, facts) ||
             AddPlane<ThreeDObjectPlaneOrder4CullFrontBack>(node, facts) ||
             AddPlane<ThreeDObjectTrackLevelPlane>(node, facts))
    {
    }
    else if (auto* tr = dynamic_cast<ThreeDObjectTransformation*>(&node))
    {
        facts.emplace_back("move", Xyz(tr->GetXTranslation(), tr->GetYTranslation(), tr->GetZTranslation()));
        facts.emplace_back("turn", Xyz(tr->GetXRotation(), tr->GetYRotation(), tr->GetZRotation()));
        facts.emplace_back("scale", F6(tr->GetScale()));
    }
    else if (auto* ds = dynamic_cast<ThreeDObjectDistanceSplitter*>(&node))
    {
        std::vector<double> d;
        for (int i = 0; i < ds->GetChildCount(); ++i)
            d.push_back(ds->GetSplitDistance(i));
        facts.emplace_back("centre", std::to_string(ds->GetVertexId()));
        facts.emplace_back("op", std::to_string(ds->GetComparisonOperator()));
        facts.emplace_back("dist", Join(d, F6));
    }
    else if (auto* ss = dynamic_cast<ThreeDObjectStateSplitter*>(&node))
    {
        std::vector<U32> v;
        for (int i = 0; i < ss->GetChildCount(); ++i)
            v.push_back(ss->GetValue(i));
        facts.emplace_back("var", std::to_string(ss->GetVariable()));
        facts.emplace_back("op", std::to_string(ss->GetComparisonOperator()));
        facts.emplace_back("values", Join(v, [](U32 x) { return std::to_string(x); }));
    }
    else if (auto* l = dynamic_cast<ThreeDObjectLine*>(&node))
    {
        facts.emplace_back("from", std::to_string(l->GetFromVertexId()));
        facts.emplace_back("to", std::to_string(l->GetToVertexId()));
        facts.emplace_back("colour", Bytes4(l->GetColour()));
    }
    else if (auto* nl = dynamic_cast<ThreeDObjectNumberList*>(&node))
    {
        std::vector<int> v;
        for (int i = 0; i < nl->GetNumberCount(); ++i)
            v.push_back(int(nl->GetNumber(i)));
        facts.emplace_back("numbers", Ints(v));
    }
    else if (auto* ti = dynamic_cast<ThreeDObjectTrackIndex*>(&node))
    {
        std::vector<int> v;
        for (int i = 0; i < ti->GetIndexCount(); ++i)
            v.push_back(ti->GetIndex(i));
        facts.emplace_back("numbers", Ints(v));
    }
    else if (auto* tl = dynamic_cast<ThreeDObjectTrackLink*>(&node))
    {
        std::vector<int> v;
        for (int i = 0; i < tl->GetLinkCount(); ++i)
            v.push_back(tl->GetLink(i));
        facts.emplace_back("numbers", Ints(v));
    }
    else if (auto* u1 = dynamic_cast<ThreeDObjectU1*>(&node))
        facts.emplace_back("words", Ints({u1->GetFirst(), u1->GetSecond(), u1->GetThird(), u1->GetFourth()}));
    else if (auto* sub = dynamic_cast<ThreeDObjectTrackSubSection1*>(&node))
        facts.emplace_back("groove", sub->HasGrooveChild() ? "1" : "0");
    if (node.GetIntegerCount() == 1)
        facts.emplace_back("int", std::to_string(node.GetInteger(0)));

    std::string out = std::to_string(node.GetId());
    for (const auto& [key, value] : facts)
        out += " " + key + "=" + value;
    return out;
}
} // namespace

std::string ListFile(const N2TdoFile& file)
{
    std::string out;
    for (const auto& [id, node] : file.GetSubObjects())
        out += Line(file, *node) + "\n";
    return out;
}
} // namespace VelmoTest
