// libFuzzer harness of the 3D pane's cost: the input is not a file but the choices of a small
// generator of loadable objects, GPL or N4, that the pane then shows through every walk it runs
// (the 3D frame: bounds and drawing; the Track 3D frame: the plan's step fitting, measuring and
// drawing; the check and the clip test), offscreen in a 1000 x 750 EGL context. The frame
// budget's deadline is off (its clock stopped): what bounds a walk is only what it charges, so
// an input that runs past libFuzzer's -timeout is work the budget does not see.
//
// The generator makes what costs: nodes shared by many parents (paths grow as the powers of
// the sharing), every GPL record kind (polygons of every type with their vertices in any order,
// lists, materials with long name lists, plane orders, transformations, external objects that
// name the file itself, locators, splitters, fixers, boxes, lines, sprites) and the N4 nodes of
// meshes and groups, with transforms and groups between a vertex list and the primitives that
// draw from it; the eye outside the object (the pane's fitted camera) or at the centre of its
// bounds. A walk may refuse what it finds (its exceptions); a crash or a sanitizer report is a
// fault as in every harness.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

using namespace Velmo;

namespace
{
class Bytes
{
public:
    void U32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            Out.push_back(std::uint8_t(v >> (8 * i)));
    }
    void S32(std::int32_t v) { U32(std::uint32_t(v)); }
    void U8(std::uint8_t v) { Out.push_back(v); }
    void F32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        U32(bits);
    }
    void F64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        U32(std::uint32_t(bits));
        U32(std::uint32_t(bits >> 32));
    }
    void Text(const std::string& s) { Out.insert(Out.end(), s.begin(), s.end()); }
    std::vector<std::uint8_t> Out;
};

// A coordinate: mostly small whole numbers, now and then far away.
double Coordinate(FuzzedDataProvider& in)
{
    const std::uint8_t b = in.ConsumeIntegral<std::uint8_t>();
    static const double Far[] = {1e4, -1e4, 1e7, -1e7, 0.5, -0.001, 3e30, 1e-30};
    return b < 248 ? double(int(b % 41) - 20) : Far[b - 248];
}

// ---------------------------------------------------------------------------------------------
// GPL: the tables, the strings and the records; a record names only later records, so that
// every object is a tree or a graph without cycles (which the reader refuses), shared as the
// input says.

constexpr std::uint32_t Null = 0xFFFFFFFF;

struct GplRecord
{
    std::vector<std::uint32_t> Words;
    // Words that name a record: the word's index and the record's.
    std::vector<std::pair<std::size_t, int>> Refs;
};

class GplMaker
{
public:
    explicit GplMaker(FuzzedDataProvider& in) : m_in(in) {}

    std::vector<std::uint8_t> Make()
    {
        m_vertices = m_in.ConsumeIntegralInRange(1, 48);
        m_planes = m_in.ConsumeIntegralInRange(1, 4);
        const int count = m_in.ConsumeIntegralInRange(1, 48);
        std::vector<GplRecord> records(static_cast<std::size_t>(count));
        std::vector<double> xyz, planes;
        for (int i = 0; i < 3 * m_vertices; ++i)
            xyz.push_back(Coordinate(m_in));
        for (int i = 0; i < 4 * m_planes; ++i)
            planes.push_back(double(int(m_in.ConsumeIntegral<std::uint8_t>() % 5) - 2));
        for (int i = 0; i < count; ++i)
            records[std::size_t(i)] = Record(i, count);
        // Offsets: the PRIM section starts with the root word.
        std::vector<std::uint32_t> offsets;
        std::uint32_t at = 4;
        for (const GplRecord& record : records)
        {
            offsets.push_back(at);
            at += std::uint32_t(4 * record.Words.size());
        }
        Bytes prim;
        prim.U32(offsets[0]);
        for (GplRecord& record : records)
        {
            for (const auto& [word, target] : record.Refs)
                record.Words[word] = offsets[std::size_t(target)];
            for (std::uint32_t word : record.Words)
                prim.U32(word);
        }
        Bytes body;
        Bytes normals;
        for (int i = 0; i < 2; ++i)
        {
            normals.F32(0);
            normals.F32(0);
            normals.F32(float(i));
            normals.F32(float(1 - i));
        }
        Section(body, "NORM", normals.Out, 0);
        Bytes vertices;
        for (int i = 0; i < m_vertices; ++i)
        {
            vertices.F32(0);
            for (int k = 0; k < 3; ++k)
                vertices.F32(float(xyz[std::size_t(3 * i + k)]));
        }
        Section(body, "XYZS", vertices.Out, 0);
        Bytes planeBytes;
        for (double value : planes)
            planeBytes.F32(float(value));
        Section(body, "PLAN", planeBytes.Out, 0);
        Bytes strings;
        for (const char* s : Strings)
        {
            strings.Text(s);
            strings.U8(0);
        }
        strings.U8(0xFF);
        Section(body, "STRN", strings.Out, ' ');
        Section(body, "PRIM", prim.Out, 0);
        Bytes file;
        file.Text("4OD3");
        file.U32(1);
        file.U32(std::uint32_t(body.Out.size()));
        file.Out.insert(file.Out.end(), body.Out.begin(), body.Out.end());
        return file.Out;
    }

private:
    static constexpr const char* Strings[] = {"tex0.mip", "tex1.mip", "obj", "other", "sprite.srb"};

    static void Section(Bytes& out, const char* name, const std::vector<std::uint8_t>& data, char pad)
    {
        // A chunk's name is stored last letter first.
        const std::string text = name;
        out.Text(std::string(text.rbegin(), text.rend()));
        out.U32(0);
        out.U32(std::uint32_t(data.size()));
        out.Out.insert(out.Out.end(), data.begin(), data.end());
        while (out.Out.size() % 4 != 0)
            out.U8(std::uint8_t(pad));
    }

    std::uint32_t StringOffset(int k) const
    {
        std::uint32_t offset = 0;
        for (int i = 0; i < k; ++i)
            offset += std::uint32_t(std::strlen(Strings[i]) + 1);
        return offset;
    }
    std::uint32_t Name() { return StringOffset(m_in.ConsumeIntegralInRange(0, 4)); }
    std::uint32_t Vertex() { return m_in.ConsumeIntegralInRange<std::uint32_t>(0, std::uint32_t(m_vertices - 1)); }
    std::uint32_t Float() { return Bits(float(Coordinate(m_in))); }
    static std::uint32_t Bits(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return bits;
    }
    // A word naming a later record.
    void Ref(GplRecord& r, int self, int count)
    {
        r.Refs.push_back({r.Words.size(), m_in.ConsumeIntegralInRange(self + 1, count - 1)});
        r.Words.push_back(0);
    }
    // How many: mostly a few, now and then many.
    int Many(int few, int many)
    {
        const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
        return b < 224 ? 1 + b % few : 1 + (b * 7919) % many;
    }

    GplRecord Polygon()
    {
        GplRecord r;
        const int base = m_in.ConsumeIntegralInRange(27, 34);
        const bool coloured = m_in.ConsumeBool();
        const int k = base - 27;
        const bool gouraud = k & 1, phong = k & 2, textured = k & 4;
        const int n = 2 + Many(6, 60);
        r.Words.push_back(std::uint32_t(base | (coloured ? 0x800 : 0)));
        if (textured)
            r.Words.push_back(0);
        r.Words.push_back(0xFF1E1EDC);
        r.Words.push_back(std::uint32_t(n));
        if (textured)
            for (int i = 0; i < 2 * n; ++i)
                r.Words.push_back(Bits(float(m_in.ConsumeIntegralInRange(0, 4)) * 0.25f));
        for (int i = 0; i < n; ++i)
            r.Words.push_back(Vertex());
        if (gouraud)
            for (int i = 0; i < n; ++i)
                r.Words.push_back(0xFF030201);
        if (phong)
            for (int i = 0; i < n; ++i)
                r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, 1));
        return r;
    }

    GplRecord Record(int self, int count)
    {
        if (self == count - 1)
            return Polygon();
        GplRecord r;
        switch (m_in.ConsumeIntegralInRange(0, 16))
        {
        case 0: return Polygon();
        case 1:
        {
            r.Words.push_back(4);
            const int n = Many(4, 16);
            r.Words.push_back(std::uint32_t(n));
            for (int i = 0; i < n; ++i)
                Ref(r, self, count);
            return r;
        }
        case 2: // a texture
            r.Words.push_back(5);
            Ref(r, self, count);
            r.Words.push_back(1);
            r.Words.push_back(Name());
            return r;
        case 3: // multiple textures
        {
            r.Words.push_back(5);
            Ref(r, self, count);
            r.Words.push_back(17);
            const int n = Many(4, 3000);
            r.Words.push_back(std::uint32_t(n));
            const std::uint32_t name = Name();
            for (int i = 0; i < n; ++i)
                r.Words.push_back(name);
            return r;
        }
        case 4: // a selector of a slot, or a class
            r.Words.push_back(5);
            Ref(r, self, count);
            if (m_in.ConsumeBool())
            {
                r.Words.push_back(32);
                r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, 5));
            }
            else
            {
                r.Words.push_back(4);
                r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, 20));
            }
            return r;
        case 5: // a plane order
        {
            static const int Children[] = {1, 2, 4, 3, 3, 2}; // types 6 .. 11
            const int type = m_in.ConsumeIntegralInRange(6, 11);
            r.Words.push_back(std::uint32_t(type));
            r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, std::uint32_t(m_planes - 1)));
            for (int i = 0; i < Children[type - 6]; ++i)
                Ref(r, self, count);
            return r;
        }
        case 6: // a transformation
        {
            static const std::uint32_t Types[] = {13, 19, 22};
            r.Words.push_back(Types[m_in.ConsumeIntegralInRange(0, 2)]);
            for (int i = 0; i < 7; ++i)
                r.Words.push_back(Float());
            Ref(r, self, count);
            return r;
        }
        case 7: // an external object: the file itself, or one that is not there
            r.Words.push_back(14);
            r.Words.push_back(StringOffset(m_in.ConsumeBool() ? 2 : 3));
            r.Words.push_back(0);
            return r;
        case 8: // an object locator
        {
            r.Words.push_back(15);
            for (int i = 0; i < 4; ++i)
            {
                r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, std::uint32_t(m_planes - 1)));
                Ref(r, self, count);
            }
            Ref(r, self, count);
            for (std::uint32_t w : {Null, 0u, 0u, 0u, 0u})
                r.Words.push_back(w);
            const int n = m_in.ConsumeIntegralInRange(0, 4);
            r.Words.push_back(std::uint32_t(n));
            for (int i = 0; i < n; ++i)
            {
                for (int k = 0; k < 3; ++k)
                    r.Words.push_back(Float());
                Ref(r, self, count);
            }
            return r;
        }
        case 9:
        {
            r.Words.push_back(16);
            const int n = Many(4, 64);
            r.Words.push_back(std::uint32_t(n));
            for (int i = 0; i < n; ++i)
                r.Words.push_back(m_in.ConsumeIntegral<std::uint8_t>());
            return r;
        }
        case 10: // a splitter: distance, longitude, latitude, animation, state
        {
            const int sub = m_in.ConsumeIntegralInRange(0, 4);
            r.Words.push_back(17);
            r.Words.push_back(std::uint32_t(sub));
            r.Words.push_back(sub == 0 ? Vertex() : sub <= 2 ? 0 : m_in.ConsumeIntegralInRange<std::uint32_t>(0, 3));
            r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(1, 5));
            const int n = Many(3, 8);
            r.Words.push_back(std::uint32_t(n));
            for (int i = 0; i < n; ++i)
            {
                r.Words.push_back(sub == 0 ? Float() : m_in.ConsumeIntegralInRange<std::uint32_t>(0, 400));
                Ref(r, self, count);
            }
            return r;
        }
        case 11:
            r.Words.push_back(20);
            r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, 3));
            r.Words.push_back(m_in.ConsumeIntegralInRange<std::uint32_t>(0, 3));
            return r;
        case 12:
        {
            r.Words.push_back(23);
            const int n = Many(4, 48);
            r.Words.push_back(std::uint32_t(n));
            for (int i = 0; i < n; ++i)
                r.Words.push_back(Vertex());
            return r;
        }
        case 13:
            r.Words.push_back(25);
            for (int i = 0; i < 8; ++i)
                r.Words.push_back(Vertex());
            Ref(r, self, count);
            return r;
        case 14:
            r.Words.push_back(2069);
            r.Words.push_back(0xFF1E1EDC);
            r.Words.push_back(Vertex());
            r.Words.push_back(Vertex());
            return r;
        case 15:
            r.Words.push_back(m_in.ConsumeBool() ? 2563 : 3);
            r.Words.push_back(Vertex());
            r.Words.push_back(0x281E140A);
            r.Words.push_back(StringOffset(4));
            r.Words.push_back(Float());
            r.Words.push_back(1);
            return r;
        default: // a list of two of the same: the sharing that makes paths grow
            r.Words.push_back(4);
            r.Words.push_back(2);
            Ref(r, self, count);
            r.Words.push_back(0);
            r.Refs.push_back({r.Words.size() - 1, r.Refs.back().second});
            return r;
        }
    }

    FuzzedDataProvider& m_in;
    int m_vertices = 1;
    int m_planes = 1;
};

// ---------------------------------------------------------------------------------------------
// N4: a pool of nodes, each naming earlier ones, the last the root; an archive writes a node
// named twice once.

struct N4Node
{
    std::string Kind;
    std::vector<int> Children; // indices into the pool; -1: none
    std::vector<double> Values;
    std::vector<std::int32_t> Indices;
    int Count = 0;
};

class N4Maker
{
public:
    explicit N4Maker(FuzzedDataProvider& in) : m_in(in) {}

    std::vector<std::uint8_t> Make()
    {
        const int count = m_in.ConsumeIntegralInRange(1, 40);
        for (int i = 0; i < count && m_in.remaining_bytes() > 0; ++i)
            m_pool.push_back(Node());
        if (m_pool.empty())
            m_pool.push_back(Node());
        Ref(int(m_pool.size()) - 1);
        return m_out.Out;
    }

private:
    int Pick()
    {
        if (m_pool.empty() || m_in.ConsumeIntegralInRange(0, 15) == 0)
            return -1;
        return m_in.ConsumeIntegralInRange(0, int(m_pool.size()) - 1);
    }
    // The last node of a kind in the pool, or a new one... none when there is none.
    int PickKind(const char* kind)
    {
        for (int i = int(m_pool.size()) - 1; i >= 0; --i)
            if (m_pool[std::size_t(i)].Kind == kind && m_in.ConsumeBool())
                return i;
        return -1;
    }

    N4Node Node()
    {
        N4Node n;
        switch (m_in.ConsumeIntegralInRange(0, 10))
        {
        case 0:
        case 1:
        {
            n.Kind = "Group";
            const int k = m_in.ConsumeIntegralInRange(1, 4);
            for (int i = 0; i < k; ++i)
                n.Children.push_back(Pick());
            break;
        }
        case 2:
            n.Kind = m_in.ConsumeBool() ? "Transform" : "Billboard";
            for (int i = 0; i < 6; ++i)
                n.Values.push_back(Coordinate(m_in));
            n.Children.push_back(Pick());
            break;
        case 3:
        {
            n.Kind = "LodSwitch";
            const int k = m_in.ConsumeIntegralInRange(1, 3);
            for (int i = 0; i < k; ++i)
            {
                n.Children.push_back(Pick());
                n.Values.push_back(double(m_in.ConsumeIntegralInRange(0, 200)));
            }
            break;
        }
        case 4:
        {
            n.Kind = "Shape";
            int appearance = PickKind("Appearance");
            n.Children = {appearance, Pick()};
            break;
        }
        case 5:
            n.Kind = "Geometry";
            n.Children = {PickKind("PlainVertexList"), Pick()};
            break;
        case 6:
        {
            n.Kind = "PlainVertexList";
            const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
            n.Count = b < 240 ? 3 + b % 30 : 1000 * (b - 239);
            for (int i = 0; i < 3 * std::min(n.Count, 64); ++i)
                n.Values.push_back(Coordinate(m_in));
            break;
        }
        case 7:
        case 8:
        {
            static const char* Kinds[] = {"TriList", "TriStrip", "TriFan"};
            n.Kind = Kinds[m_in.ConsumeIntegralInRange(0, 2)];
            const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
            const int k = b < 240 ? 1 + b % 20 : 300 * (b - 239);
            const int largest = m_in.ConsumeIntegralInRange(0, 63);
            for (int i = 0; i < 3 * k; ++i)
                n.Indices.push_back(std::int32_t(i < 64 * 3 ? m_in.ConsumeIntegralInRange(0, largest) : i % 3));
            if (n.Kind != "TriList")
            {
                n.Indices.resize(std::size_t(k + 2));
                n.Children.push_back(PickKind(n.Kind.c_str()));
            }
            break;
        }
        case 9:
            n.Kind = "Appearance";
            n.Children = {PickKind("Texture")};
            n.Count = m_in.ConsumeIntegralInRange(0, 3);
            break;
        default:
            n.Kind = "Texture";
            n.Count = m_in.ConsumeIntegralInRange(0, 1);
            break;
        }
        return n;
    }

    void Text(const std::string& s)
    {
        if (s.empty())
            return m_out.S32(0);
        m_out.S32(std::int32_t(s.size() + 1));
        m_out.Text(s);
        m_out.U8(0);
    }
    void Box()
    {
        for (int i = 0; i < 6; ++i)
            m_out.F64(0);
    }
    void Array(const std::vector<double>& values)
    {
        m_out.S32(std::int32_t(8 * values.size()));
        for (double v : values)
            m_out.F64(v);
    }

    void Ref(int index)
    {
        if (index < 0)
            return m_out.S32(0);
        if (const auto known = m_numbers.find(index); known != m_numbers.end())
            return m_out.S32(known->second);
        const N4Node& n = m_pool[std::size_t(index)];
        m_numbers[index] = ++m_counter;
        m_out.S32(m_counter);
        if (const auto known = m_classes.find(n.Kind); known != m_classes.end())
            m_out.S32(known->second);
        else
        {
            m_classes[n.Kind] = ++m_counter;
            m_out.S32(m_counter);
            const std::string descriptor = n.Kind + "Descriptor";
            m_out.S32(std::int32_t(descriptor.size() + 1));
            m_out.Text(descriptor);
            m_out.U8(0);
        }
        Body(n);
    }

    void Body(const N4Node& n)
    {
        Bytes& a = m_out;
        if (n.Kind == "Group")
        {
            a.S32(1), Text("g"), a.S32(1), a.S32(1), Box(), a.S32(1);
            a.S32(std::int32_t(n.Children.size())), a.S32(std::int32_t(4 * n.Children.size()));
            for (int c : n.Children)
                Ref(c);
        }
        else if (n.Kind == "Transform" || n.Kind == "Billboard")
        {
            a.S32(1);
            if (n.Kind == "Transform")
                Text("t");
            else
                a.S32(0);
            a.S32(1), a.S32(1), Box(), a.S32(1);
            for (double v : n.Values)
                a.F64(v);
            Ref(n.Children[0]);
        }
        else if (n.Kind == "LodSwitch")
        {
            a.S32(1), a.S32(0), a.S32(1), a.S32(1), Box(), a.S32(2);
            a.S32(std::int32_t(n.Children.size()));
            for (int i = 0; i < 3; ++i)
                a.F64(0);
            a.U8(0);
            Array(n.Values);
            a.S32(std::int32_t(4 * n.Children.size()));
            for (int c : n.Children)
                Ref(c);
        }
        else if (n.Kind == "Shape")
        {
            a.S32(1), Text(""), a.S32(1), a.S32(1);
            Ref(n.Children[0]);
            Ref(n.Children[1]);
        }
        else if (n.Kind == "Geometry")
        {
            a.S32(1), a.S32(0), a.S32(1);
            Ref(n.Children[0]);
            Ref(n.Children[1]);
        }
        else if (n.Kind == "PlainVertexList")
        {
            a.S32(1), a.S32(0), a.S32(1), a.S32(1), a.S32(n.Count);
            const std::size_t given = n.Values.size() / 3;
            for (int axis = 0; axis < 3; ++axis)
            {
                std::vector<double> values;
                for (int i = 0; i < n.Count; ++i)
                    values.push_back(n.Values[3 * (std::size_t(i) % given) + std::size_t(axis)]);
                Array(values);
            }
            a.S32(0);
            for (int axis = 0; axis < 3; ++axis)
                Array(std::vector<double>(std::size_t(n.Count), axis == 0 ? 1.0 : 0.0));
            a.S32(3);
            a.S32(0), a.S32(0);
            for (int i = 0; i < 18; ++i)
                a.S32(0);
            a.S32(0), a.S32(0);
            a.S32(0), a.S32(0);
        }
        else if (n.Kind == "TriList")
        {
            a.S32(1), a.S32(0), a.S32(1), a.S32(0), a.S32(1);
            a.S32(std::int32_t(n.Indices.size())), a.S32(std::int32_t(4 * n.Indices.size()));
            for (std::int32_t i : n.Indices)
                a.S32(i);
        }
        else if (n.Kind == "TriStrip" || n.Kind == "TriFan")
        {
            a.S32(1), a.S32(0), a.S32(1);
            Ref(n.Children.empty() ? -1 : n.Children[0]);
            a.S32(1);
            a.S32(std::int32_t(n.Indices.size())), a.S32(std::int32_t(4 * n.Indices.size()));
            for (std::int32_t i : n.Indices)
                a.S32(i);
        }
        else if (n.Kind == "Appearance")
        {
            a.S32(1), Text(""), a.S32(2);
            Ref(n.Children[0]);
            for (int i = 0; i < 6; ++i)
                a.S32(0);
            for (double v : {0.8, 0.1, 0.1})
                a.F64(v);
            for (int i = 0; i < 9; ++i)
                a.F64(0);
            a.U32(std::uint32_t(n.Count));
        }
        else // Texture
        {
            a.S32(1), a.S32(0), a.S32(2), Text(n.Count == 0 ? "tex0.mip" : "other.mip"), a.U8(0);
        }
    }

    FuzzedDataProvider& m_in;
    std::vector<N4Node> m_pool;
    Bytes m_out;
    std::int32_t m_counter = 0;
    std::map<int, std::int32_t> m_numbers;
    std::map<std::string, std::int32_t> m_classes;
};

// ---------------------------------------------------------------------------------------------
// The walks.

const std::string& Folder()
{
    static const std::string folder = [] {
        const std::string top =
            (std::filesystem::temp_directory_path() / ("ThreeDObjectCostFuzz-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(top + "/gpl");
        std::filesystem::create_directories(top + "/n4");
        return top;
    }();
    return folder;
}

void Frame(bool track3D, bool inside, const Util::CountedPointer<Papy::TdoFile>& tdo,
           const Util::CountedPointer<Papy::FileFactory>& factory)
{
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = tdo->GetRoot();
    if (!root)
        return;
    ThreeDObjectViewState state;
    ThreeDObjectViewPainter painter;
    state.OnSize(1000, 750);
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(track3D ? ThreeDObjectViewState::Track3DCommand : ThreeDObjectViewState::ThreeDCommand);
    state.OnSelection(root->GetId());
    ThreeDObject3DVisitor visitor(factory);
    const auto draw = [&](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                          const ThreeDObjectViewPainter::Node& highlighted) {
        Draw(options, visitor, shown, highlighted);
    };
    DrawingReport report;
    try
    {
        painter.PreDraw(state, tdo.Get(), factory, report);
        if (inside)
        {
            const ViewBounds& b = state.GetBounds();
            const double x = (b.MinX + b.MaxX) / 2, y = (b.MinY + b.MaxY) / 2, z = (b.MinZ + b.MaxZ) / 2;
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            gluLookAt(x, y, z, x + 1, y, z, 0, 0, 1);
        }
        painter.DrawScene(state, tdo.Get(), draw, {});
        glFinish();
    }
    catch (const Util::Exception&)
    {
    }
    try
    {
        painter.Destroy(state);
        visitor.DestroyGL();
    }
    catch (const Util::Exception&)
    {
    }
}

void OwnWalks(const Util::CountedPointer<Papy::TdoFile>& tdo, const Util::CountedPointer<Papy::FileFactory>& factory)
{
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = tdo->GetRoot();
    if (!root)
        return;
    try
    {
        ThreeDObjectCheckVisitor check(factory);
        check.ClearRecords();
        root->Accept(check);
    }
    catch (const Util::Exception&)
    {
    }
    ThreeDObjectClipTestVisitor clip(factory);
    try
    {
        clip.Reset();
        root->Accept(clip);
    }
    catch (const Util::Exception&)
    {
    }
    clip.Reset();
}

void PurgeCaches(const Util::CountedPointer<Papy::FileFactory>& factory)
{
    factory->ForgetAll();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static GLContext context(1000, 750);
    if (!context.IsCurrent())
        return 0;
    // The deadline off: only what the walks charge bounds them.
    static const bool stopped = [] {
        FrameBudget::SetDefaultClock([] { return 0.0; });
        return true;
    }();
    (void)stopped;
    FuzzedDataProvider in(data, size);
    const bool n4 = in.ConsumeBool();
    const bool inside = in.ConsumeBool();
    const bool track3D = in.ConsumeBool();
    const std::vector<std::uint8_t> file = n4 ? N4Maker(in).Make() : GplMaker(in).Make();
    const std::string folder = Folder() + (n4 ? "/n4" : "/gpl");
    {
        std::ofstream out(folder + "/obj.3do", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    // COST_FUZZ_SAVE=FILE: the made object is kept there too (to replay a finding elsewhere).
    if (const char* keep = std::getenv("COST_FUZZ_SAVE"))
    {
        std::ofstream out(keep, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        std::fprintf(stderr, "%s object, %s, %s: %s\n", n4 ? "N4" : "GPL", inside ? "inside" : "outside",
                     track3D ? "Track 3D" : "3D", keep);
    }
    const auto factory = Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
    PurgeCaches(factory);
    Util::CountedPointer<Papy::TdoFile> tdo;
    try
    {
        factory->GetFacet<Papy::MakeTdo>()->Make(tdo, "obj", "3do", false);
    }
    catch (const Util::Exception& error)
    {
        // COST_FUZZ_VERBOSE=1: why a made object did not load (the generator's own faults).
        static const bool verbose = std::getenv("COST_FUZZ_VERBOSE") != nullptr;
        if (verbose)
            std::fprintf(stderr, "not loaded (%s): %s\n", n4 ? "N4" : "GPL", error.GetText().c_str());
        return 0;
    }
    Frame(track3D, inside, tdo, factory);
    OwnWalks(tdo, factory);
    PurgeCaches(factory);
    return 0;
}
