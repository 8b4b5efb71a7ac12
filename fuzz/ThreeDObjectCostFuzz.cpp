// libFuzzer harness of the 3D pane's cost: the input is not a file but the choices of a small
// generator of loadable objects, GPL or N4 objects and N4 tracks, that the pane then shows
// through every walk it runs (the 3D frame: bounds and drawing; the Track 3D frame: the plan's
// step fitting, measuring and drawing; the check and the clip test), offscreen in a 1000 x 750
// EGL context; a track is also shown in the track window (its plan's first paint). The frame
// budget's deadline is off (its clock stopped): what bounds a walk is only what it charges, so
// an input that runs past libFuzzer's -timeout is work the budget does not see, and so is a
// walk that runs far longer than its charges predict (Judge: the time of each unit charged,
// calibrated from the budget's limits; the track window's plan is judged by its own frame's).
//
// The generator makes what costs: nodes shared by many parents (paths grow as the powers of
// the sharing), counts up to what 100 KB can hold (lists, splitters, polygons, material names
// and groups of up to 10^4 entries; segments of up to 10^4 sections, tracks of up to 10^4
// segment references), every GPL record kind (polygons of every type with their vertices in any
// order, lists, materials with long name lists, plane orders, transformations, external objects
// that name the file itself, locators, splitters, fixers, boxes, lines, sprites), the N4 nodes
// of meshes and groups, with transforms and groups between a vertex list and the primitives that
// draw from it, and the N4 track nodes (segments straight and curved, of a centimetre to 100 km,
// cross, floor and wall sections, details); the eye outside the object (the pane's fitted
// camera) or at the centre of its bounds. Texture names resolve: each folder holds the DAT named
// after it, whose records of every texture name share one packed block of a large MIP chain
// (cost_fuzz_folders.py), so every name drawn is a texture unpacked. A walk may refuse what it
// finds (its exceptions); a crash or a sanitizer report is a fault as in every harness.
#include <fuzzer/FuzzedDataProvider.h>
#include <time.h>
#include <unistd.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Track/Track.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Vantrel/Drawing/TrackPlanScene.h"

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

// The words a made file may hold: what 100 KB can hold.
constexpr int MaxWords = 25000;

// A count of up to huge: one of a few round figures (huge itself the most often), or any.
int HugeCount(FuzzedDataProvider& in, int huge)
{
    switch (in.ConsumeIntegralInRange(0, 4))
    {
    case 0: return huge;
    case 1: return huge / 2;
    case 2: return huge / 10;
    case 3: return huge / 100 + 1;
    default: return in.ConsumeIntegralInRange(1, huge);
    }
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
        m_wordsLeft = MaxWords;
        std::vector<double> xyz, planes;
        for (int i = 0; i < 3 * m_vertices; ++i)
            xyz.push_back(Coordinate(m_in));
        for (int i = 0; i < 4 * m_planes; ++i)
            planes.push_back(double(int(m_in.ConsumeIntegral<std::uint8_t>() % 5) - 2));
        for (int i = 0; i < count; ++i)
        {
            records[std::size_t(i)] = Record(i, count);
            m_wordsLeft = std::max(0, m_wordsLeft - int(records[std::size_t(i)].Words.size()));
        }
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
    // The texture names first (TextureCount of them: the folder's DAT holds all but the last),
    // then the external object names.
    static constexpr const char* Strings[] = {"tex0.mip", "tex1.mip", "tex2.mip", "tex3.mip", "tex4.mip",
                                              "tex5.mip", "tex6.mip", "tex7.mip", "sprite.srb", "other.mip",
                                              "obj",      "other"};
    static constexpr int TextureCount = 10;
    static constexpr int SpriteName = 8;
    static constexpr int SelfName = 10;
    static constexpr int OtherName = 11;

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
    // A name of a texture, now and then of an object.
    std::uint32_t Name()
    {
        const int k = m_in.ConsumeIntegralInRange(0, TextureCount + 1);
        return StringOffset(k < TextureCount ? k : k == TextureCount ? SelfName : OtherName);
    }
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
    // How many: mostly a few, now and then many, and rarely up to huge, of entries of perEntry
    // words each: no more than the words the file has left (see MaxWords).
    int Many(int few, int many, int huge = 0, int perEntry = 1)
    {
        const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
        int n = b < 224 ? 1 + b % few : b < 248 || huge == 0 ? 1 + (b * 7919) % many : HugeCount(m_in, huge);
        return std::max(1, std::min(n, m_wordsLeft / perEntry));
    }

    GplRecord Polygon()
    {
        GplRecord r;
        const int base = m_in.ConsumeIntegralInRange(27, 34);
        const bool coloured = m_in.ConsumeBool();
        const int k = base - 27;
        const bool gouraud = k & 1, phong = k & 2, textured = k & 4;
        const int n = 2 + Many(6, 60, 10000, 5);
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
            const int n = Many(4, 16, 10000);
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
            const int n = Many(4, 3000, 10000);
            r.Words.push_back(std::uint32_t(n));
            // One name n times, or a name of its own for each slot (every texture looked up).
            const bool varied = m_in.ConsumeBool();
            const std::uint32_t name = Name();
            for (int i = 0; i < n; ++i)
                r.Words.push_back(varied ? StringOffset(i % TextureCount) : name);
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
            r.Words.push_back(StringOffset(m_in.ConsumeBool() ? SelfName : OtherName));
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
            const int n = Many(4, 64, 10000);
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
            const int n = Many(3, 8, 10000, 2);
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
            const int n = Many(4, 48, 10000);
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
            r.Words.push_back(StringOffset(SpriteName));
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
    int m_wordsLeft = MaxWords;
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
    // A segment's cross, floor and wall sections, a track's segments and details.
    std::vector<int> Lists[3];
};

// The texture names of N4 objects: the folder's DAT holds all but the last.
constexpr const char* N4Textures[] = {
    "tex0.mip",  "tex1.mip",  "tex2.mip",  "tex3.mip",  "tex4.mip",  "tex5.mip",  "tex6.mip",  "tex7.mip",
    "tex8.mip",  "tex9.mip",  "tex10.mip", "tex11.mip", "tex12.mip", "tex13.mip", "tex14.mip", "tex15.mip",
    "tex16.mip", "tex17.mip", "tex18.mip", "tex19.mip", "tex20.mip", "tex21.mip", "tex22.mip", "tex23.mip",
    "tex24.mip", "tex25.mip", "tex26.mip", "tex27.mip", "tex28.mip", "tex29.mip", "tex30.mip", "tex31.mip",
    "other.mip"};
constexpr int N4TextureCount = int(sizeof N4Textures / sizeof N4Textures[0]);

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

    // A .ptf track: textures and appearances, pools of cross, floor and wall sections, segments
    // naming them (up to 10^4 references a segment), details, and the track naming the segments
    // (up to 10^4 references), within what 100 KB can hold.
    std::vector<std::uint8_t> MakeTrack()
    {
        int words = MaxWords;
        const auto many = [&](int few, int most, int huge) {
            const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
            const int n = b < 200 ? 1 + b % few : b < 240 ? 1 + (b * 7919) % most : HugeCount(m_in, huge);
            return std::max(0, std::min(n, words));
        };
        const auto add = [this](N4Node n) {
            m_pool.push_back(std::move(n));
            return int(m_pool.size()) - 1;
        };
        std::vector<int> appearances{-1};
        for (int i = m_in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        {
            N4Node texture;
            texture.Kind = "Texture";
            texture.Count = m_in.ConsumeIntegralInRange(0, N4TextureCount - 1);
            N4Node look;
            look.Kind = "Appearance";
            look.Children = {m_in.ConsumeIntegralInRange(0, 5) == 0 ? -1 : add(texture)};
            look.Count = m_in.ConsumeIntegralInRange(0, 3);
            appearances.push_back(add(look));
        }
        const auto appearance = [&] {
            return appearances[std::size_t(m_in.ConsumeIntegralInRange(0, int(appearances.size()) - 1))];
        };
        static const double Latitudes[] = {-20, -6, -4, -1, 0, 1, 4, 6, 20, 1e4, -1e6};
        const auto latitude = [&] { return Latitudes[m_in.ConsumeIntegralInRange(0, 10)]; };
        std::vector<int> crosses, floors, walls;
        for (int i = m_in.ConsumeIntegralInRange(1, 4); i > 0; --i)
        {
            N4Node x;
            x.Kind = "X_Section";
            x.Values = {latitude(), latitude(), 0, 0, 0, 0};
            crosses.push_back(add(x));
        }
        for (int i = m_in.ConsumeIntegralInRange(1, 6); i > 0; --i)
        {
            N4Node f;
            f.Kind = "F_Section";
            const double at = latitude();
            f.Values = {at, m_in.ConsumeBool() ? at : latitude()};
            f.Count = m_in.ConsumeIntegralInRange(0, 12); // the surface type
            f.Children = {appearance()};
            floors.push_back(add(f));
        }
        for (int i = m_in.ConsumeIntegralInRange(0, 3); i > 0; --i)
        {
            N4Node w;
            w.Kind = "W_Section";
            const double at = latitude();
            static const double Heights[] = {0, 0.5, 2, 10};
            static const double Widths[] = {0, 0.5, 1, 4};
            w.Values = {at, at, Heights[m_in.ConsumeIntegralInRange(0, 3)], Heights[m_in.ConsumeIntegralInRange(0, 3)],
                        Widths[m_in.ConsumeIntegralInRange(0, 3)], Widths[m_in.ConsumeIntegralInRange(0, 3)], 0.5, 0.5};
            for (int k = m_in.ConsumeIntegralInRange(0, 3); k > 0; --k)
                for (int e = 0; e < 5; ++e)
                    w.Children.push_back(appearance());
            walls.push_back(add(w));
        }
        const auto pick = [&](const std::vector<int>& pool) {
            return pool[std::size_t(m_in.ConsumeIntegralInRange(0, int(pool.size()) - 1))];
        };
        // Segments end to end from the origin, straight or corners, of lengths from a metre to
        // far beyond any track's.
        static const double Lengths[] = {1, 3, 10, 100, 3000, 1e4, 1e5, 0.01};
        std::vector<int> segments;
        double x = 0, y = 0, heading = 0;
        for (int i = m_in.ConsumeIntegralInRange(1, 20); i > 0 && words > 0; --i)
        {
            N4Node segment;
            segment.Kind = "Segment";
            const bool corner = m_in.ConsumeIntegralInRange(0, 3) == 0;
            const double length = Lengths[m_in.ConsumeIntegralInRange(0, 7)];
            const double turn = corner ? (m_in.ConsumeBool() ? 1 : -1) * 0.5 : 0;
            const double endHeading = heading + turn;
            const double ex = x + length * std::cos(heading + turn / 2), ey = y + length * std::sin(heading + turn / 2);
            segment.Values = {x, y, heading, ex, ey, endHeading};
            segment.Count = corner ? 1 : 0;
            for (int k = many(2, 16, 10000); k > 0; --k)
                segment.Lists[0].push_back(pick(crosses));
            for (int k = many(3, 16, 10000); k > 0; --k)
                segment.Lists[1].push_back(pick(floors));
            if (!walls.empty())
                for (int k = many(2, 8, 3000); k > 0; --k)
                    segment.Lists[2].push_back(pick(walls));
            words -= int(segment.Lists[0].size() + segment.Lists[1].size() + segment.Lists[2].size()) + 32;
            segments.push_back(add(segment));
            x = ex, y = ey, heading = endHeading;
        }
        N4Node track;
        track.Kind = "Track";
        track.Lists[0] = segments;
        for (int k = many(1, 100, 10000); k > 0; --k)
            track.Lists[0].push_back(pick(segments));
        for (int k = m_in.ConsumeIntegralInRange(0, 3); k > 0; --k)
        {
            N4Node detail;
            detail.Kind = "TrackDetail";
            detail.Values = {latitude(), latitude(), double(m_in.ConsumeIntegralInRange(1, 40)),
                             double(m_in.ConsumeIntegralInRange(1, 40)), 0};
            detail.Children = {appearance()};
            track.Lists[1].push_back(add(detail));
        }
        Ref(add(track));
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
            const std::uint8_t b = m_in.ConsumeIntegral<std::uint8_t>();
            const int k = b < 240 ? 1 + b % 4 : HugeCount(m_in, 10000);
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
            // Often an appearance of its own over a texture of its own: objects of many
            // textures, each unpacked when drawn.
            if (appearance < 0 && m_in.ConsumeBool())
            {
                N4Node texture;
                texture.Kind = "Texture";
                texture.Count = m_in.ConsumeIntegralInRange(0, N4TextureCount - 1);
                m_pool.push_back(texture);
                N4Node look;
                look.Kind = "Appearance";
                look.Children = {int(m_pool.size()) - 1};
                look.Count = m_in.ConsumeIntegralInRange(0, 3);
                m_pool.push_back(look);
                appearance = int(m_pool.size()) - 1;
            }
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
            n.Count = m_in.ConsumeIntegralInRange(0, N4TextureCount - 1);
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

    // A reference array: the count, and for a non-empty one the byte count and the references.
    void RefArray(const std::vector<int>& indices)
    {
        m_out.S32(std::int32_t(indices.size()));
        if (indices.empty())
            return;
        m_out.S32(std::int32_t(4 * indices.size()));
        for (int i : indices)
            Ref(i);
    }
    // The links of an appearance: one when it names a texture.
    int LinkCount(int appearance) const
    {
        return appearance >= 0 && m_pool[std::size_t(appearance)].Children[0] >= 0 ? 1 : 0;
    }
    // An appearance reference of a floor or wall section, with what follows it for each link:
    // the second reference (texture coordinates: none) and an absent link record.
    void SectionAppearance(int appearance)
    {
        Ref(appearance);
        if (LinkCount(appearance) == 0)
            return;
        m_out.S32(0);
        m_out.U8(1);
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
        else if (n.Kind == "Track")
        {
            a.S32(1), a.S32(0), a.S32(8), a.S32(std::int32_t(n.Lists[0].size())), a.U8(0);
            for (int i = 0; i < 3; ++i)
                a.F64(1);
            a.F32(0), a.S32(0), a.S32(0);
            RefArray(n.Lists[1]);
            a.S32(0);
            a.S32(std::int32_t(4 * n.Lists[0].size()));
            for (int c : n.Lists[0])
                Ref(c);
        }
        else if (n.Kind == "Segment")
        {
            a.S32(1), a.S32(0), a.S32(2);
            for (const std::vector<int>& list : n.Lists)
                RefArray(list);
            a.S32(n.Count);
            for (double v : n.Values)
                a.F64(v);
            a.U8(0), a.U8(0), a.S32(0), a.S32(0);
        }
        else if (n.Kind == "X_Section")
        {
            a.S32(1), a.S32(0), a.S32(2);
            // Start latitude, the two start values, end latitude, the two end values.
            for (double v : {n.Values[0], n.Values[2], n.Values[4], n.Values[1], n.Values[3], n.Values[5]})
                a.F64(v);
            a.U8(0);
        }
        else if (n.Kind == "F_Section")
        {
            a.S32(1), a.S32(0), a.S32(4), a.F64(n.Values[0]), a.F64(n.Values[1]), a.U8(0), a.S32(1), a.S32(n.Count);
            SectionAppearance(n.Children[0]);
        }
        else if (n.Kind == "W_Section")
        {
            a.S32(1), a.S32(0), a.S32(6), a.F32(float(n.Values[0])), a.F32(float(n.Values[1])), a.U8(0), a.S32(0);
            for (std::size_t i = 2; i < 8; ++i)
                a.F64(n.Values[i]);
            const std::size_t subsections = n.Children.size() / 5;
            a.S32(0), a.S32(2049), a.S32(std::int32_t(subsections)), a.S32(0), a.S32(0);
            for (std::size_t k = 0; k < subsections; ++k)
            {
                if (k > 0)
                    a.F64(double(k) / double(subsections));
                for (std::size_t e = 0; e < 5; ++e)
                {
                    const int look = n.Children[5 * k + e];
                    if (look < 0)
                        a.S32(0);
                    else
                        SectionAppearance(look);
                }
            }
        }
        else if (n.Kind == "TrackDetail")
        {
            a.S32(1), a.S32(0), a.S32(0);
            Ref(n.Children[0]);
            for (double v : n.Values)
                a.F64(v);
            Array({0, 1, 1, 0});
            Array({0, 0, 1, 1});
        }
        else // Texture
        {
            a.S32(1), a.S32(0), a.S32(2), Text(N4Textures[n.Count]), a.U8(0);
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

// The folders of the made files, each with the DAT named after it (cost_fuzz_folders.py), so
// that the objects' texture names resolve: COST_FUZZ_FOLDERS, else the build's.
const std::string& Folder()
{
    static const std::string folder = [] {
        const std::string top =
            (std::filesystem::temp_directory_path() / ("ThreeDObjectCostFuzz-" + std::to_string(getpid()))).string();
        const char* given = std::getenv("COST_FUZZ_FOLDERS");
        const std::string textures = given != nullptr ? given : VELMO_COST_FUZZ_FOLDERS;
        for (const char* game : {"gpl", "n4"})
        {
            std::filesystem::create_directories(top + "/" + game);
            const std::string dat = std::string("/") + game + "/" + game + ".dat";
            // A link to the DAT (each process of a campaign makes folders of its own).
            std::error_code error;
            std::filesystem::remove(top + dat, error);
            std::filesystem::create_symlink(std::filesystem::absolute(textures + dat), top + dat, error);
            if (error)
                std::fprintf(stderr, "no textures: %s%s: %s\n", textures.c_str(), dat.c_str(), error.message().c_str());
        }
        return top;
    }();
    return folder;
}

// What a walk costs: the seconds it ran and what it charged its budget.
struct WalkCost
{
    const char* Walk = "";
    double Seconds = 0;
    FrameBudget::Amounts Taken{};
};

// Seconds per unit of each cost in the optimised build under the software renderer, the
// expensive end of what FrameBudget's limits were measured with (see FrameBudget.cpp), and the
// slowdown of this build (sanitizers and coverage).
constexpr FrameBudget::Amounts UnitSeconds = {
    3e-7, // a node visit
    2e-5, // a primitive
    6e-8, // a vertex
    2e-9, // a pixel
    2e-7, // a track point
    2e-8, // a section looked up
    2e-6, // a name looked up
    0,
};
constexpr double Slowdown = 20;
// A walk is flagged when it runs longer than Floor seconds here and more than Margin times what
// its charges predict (with Floor / Margin for a walk that charges nothing): work its budget
// does not see. COST_FUZZ_MARGIN and COST_FUZZ_FLOOR change them.
double Margin()
{
    static const double margin = std::getenv("COST_FUZZ_MARGIN") ? std::atof(std::getenv("COST_FUZZ_MARGIN")) : 8;
    return margin;
}
double Floor()
{
    static const double floor = std::getenv("COST_FUZZ_FLOOR") ? std::atof(std::getenv("COST_FUZZ_FLOOR")) : 2;
    return floor;
}

double Predicted(const WalkCost& cost)
{
    double seconds = 0;
    for (int k = 0; k < FrameBudget::CostCount; ++k)
        seconds += cost.Taken[std::size_t(k)] * UnitSeconds[std::size_t(k)];
    return seconds * Slowdown;
}

std::string Figures(const FrameBudget::Amounts& taken)
{
    std::string text;
    for (int k = 0; k < FrameBudget::Seconds; ++k)
    {
        char figure[64];
        std::snprintf(figure, sizeof figure, "%s%s %.4g", text.empty() ? "" : ", ",
                      FrameBudget::NameOf(FrameBudget::Cost(k)), taken[std::size_t(k)]);
        text += figure;
    }
    return text;
}

// The process's processor time (the renderer's threads included): a walk's own work, whatever
// else the machine runs meanwhile.
double Now()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

bool Uncharged(const WalkCost& cost)
{
    return cost.Seconds > Floor() && cost.Seconds > Margin() * std::max(Predicted(cost), Floor() / Margin());
}

// Runs the walk (after prepare) and ends the run (libFuzzer keeps the input as a crash) when
// it ran far longer than its charges predict, three times in a row (or once past five times the
// floor): a walk slowed once by something else is not a finding. COST_FUZZ_VERBOSE=1 prints every walk's figures.
void Judge(const std::function<void()>& prepare, const std::function<WalkCost()>& walk)
{
    static const bool verbose = std::getenv("COST_FUZZ_VERBOSE") != nullptr;
    for (int run = 0; run < 3; ++run)
    {
        prepare();
        const WalkCost cost = walk();
        const double predicted = Predicted(cost);
        const bool uncharged = Uncharged(cost);
        if (verbose || uncharged)
            std::fprintf(stderr, "%s: %.3f s, its charges predict %.3f s (%s)\n", cost.Walk, cost.Seconds, predicted,
                         Figures(cost.Taken).c_str());
        if (!uncharged)
            return;
        // Past five times the floor, no other load of the machine explains it.
        if (run == 2 || cost.Seconds > 5 * Floor())
        {
            std::fprintf(stderr, "uncharged work: the %s ran %.3f s, %.0f times what its charges predict\n",
                         cost.Walk, cost.Seconds, cost.Seconds / std::max(predicted, 1e-9));
            std::abort();
        }
    }
}

FrameBudget::Amounts Larger(const FrameBudget::Amounts& a, const FrameBudget::Amounts& b)
{
    FrameBudget::Amounts out;
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = std::max(a[k], b[k]);
    return out;
}

WalkCost Frame(bool track3D, bool inside, const Util::CountedPointer<Papy::TdoFile>& tdo,
               const Util::CountedPointer<Papy::FileFactory>& factory)
{
    WalkCost cost;
    cost.Walk = track3D ? "Track 3D frame" : "3D frame";
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = tdo->GetRoot();
    if (!root)
        return cost;
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
    const double start = Now();
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
    cost.Seconds = Now() - start;
    // The frame's budget: as the paint left it, or as far as a failing walk took it.
    cost.Taken = Larger(painter.GetLastFrame().GetTaken(), painter.GetFrameBudget().GetTaken());
    try
    {
        painter.Destroy(state);
        visitor.DestroyGL();
    }
    catch (const Util::Exception&)
    {
    }
    return cost;
}

WalkCost Check(const Util::CountedPointer<Papy::TdoFile>& tdo, const Util::CountedPointer<Papy::FileFactory>& factory)
{
    WalkCost cost;
    cost.Walk = "check";
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = tdo->GetRoot();
    if (!root)
        return cost;
    const double start = Now();
    {
        ThreeDObjectCheckVisitor check(factory);
        try
        {
            check.ClearRecords();
            root->Accept(check);
        }
        catch (const Util::Exception&)
        {
        }
        cost.Taken = check.GetBudget().GetTaken();
    }
    cost.Seconds = Now() - start;
    return cost;
}

WalkCost ClipTest(const Util::CountedPointer<Papy::TdoFile>& tdo,
                  const Util::CountedPointer<Papy::FileFactory>& factory)
{
    WalkCost cost;
    cost.Walk = "clip test";
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = tdo->GetRoot();
    if (!root)
        return cost;
    const double start = Now();
    ThreeDObjectClipTestVisitor clip(factory);
    try
    {
        clip.Reset();
        root->Accept(clip);
    }
    catch (const Util::Exception&)
    {
    }
    cost.Taken = clip.GetBudget().GetTaken();
    clip.Reset();
    cost.Seconds = Now() - start;
    return cost;
}

// The track window's plan of the folder's track: its first paint (the bounds, the camera and the
// plan compiled and drawn), as the track pane shows it, judged by what its frame charged.
WalkCost TrackWindow(const Util::CountedPointer<Papy::FileFactory>& factory)
{
    WalkCost cost;
    cost.Walk = "track window's plan";
    Util::CountedPointer<Papy::Track> track;
    try
    {
        factory->GetFacet<Papy::MakeTrack>()->Make(track, "obj", "ptf", false);
    }
    catch (const Util::Exception& error)
    {
        static const bool verbose = std::getenv("COST_FUZZ_VERBOSE") != nullptr;
        if (verbose)
            std::fprintf(stderr, "no track: %s\n", error.GetText().c_str());
        return cost;
    }
    if (!track)
        return cost;
    const double start = Now();
    TrackPlanScene scene;
    DrawingReport report;
    glViewport(0, 0, 1000, 750);
    scene.Paint(track.Get(), 1000.0 / 750.0, report);
    glFinish();
    cost.Seconds = Now() - start;
    cost.Taken = scene.GetFrameBudget().GetTaken();
    scene.ReleaseGL();
    return cost;
}

void PurgeCaches(const Util::CountedPointer<Papy::FileFactory>& factory)
{
    factory->ForgetUnheld();
}

void Keep(const char* path, const std::vector<std::uint8_t>& file)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
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
    // GPL object, N4 object or N4 track (shown as a 3D object and in the track window).
    const int game = in.ConsumeIntegralInRange(0, 2);
    const bool n4 = game != 0;
    const bool ptf = game == 2;
    const bool inside = in.ConsumeBool();
    const bool track3D = in.ConsumeBool();
    const std::vector<std::uint8_t> file = !n4 ? GplMaker(in).Make() : ptf ? N4Maker(in).MakeTrack() : N4Maker(in).Make();
    const std::string folder = Folder() + (n4 ? "/n4" : "/gpl");
    const std::string extension = ptf ? "ptf" : "3do";
    Keep((folder + "/obj." + extension).c_str(), file);
    // COST_FUZZ_SAVE=FILE: the made object is kept there too (to replay a finding elsewhere).
    if (const char* keep = std::getenv("COST_FUZZ_SAVE"))
    {
        Keep(keep, file);
        std::fprintf(stderr, "%s, %s, %s: %s (%zu bytes)\n", !n4 ? "GPL object" : ptf ? "N4 track" : "N4 object",
                     inside ? "inside" : "outside", track3D ? "Track 3D" : "3D", keep, file.size());
    }
    const auto factory = Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
    PurgeCaches(factory);
    Util::CountedPointer<Papy::TdoFile> tdo;
    try
    {
        if (ptf)
            factory->GetFacet<Papy::MakePtf>()->Make(tdo, "obj", extension, false);
        else
            factory->GetFacet<Papy::MakeTdo>()->Make(tdo, "obj", extension, false);
    }
    catch (const Util::Exception& error)
    {
        // COST_FUZZ_VERBOSE=1: why a made object did not load (the generator's own faults).
        static const bool verbose = std::getenv("COST_FUZZ_VERBOSE") != nullptr;
        if (verbose)
        {
            const auto* assertion = dynamic_cast<const Util::XAssertion*>(&error);
            std::fprintf(stderr, "not loaded (%s): %s%s%s\n", n4 ? "N4" : "GPL", error.GetText().c_str(),
                         assertion != nullptr ? ": " : "", assertion != nullptr ? assertion->GetExpression() : "");
        }
        return 0;
    }
    // Each walk starts with the caches empty, as the file's first showing does (the object itself
    // is held: only what the walks load is forgotten).
    const auto purge = [&] { PurgeCaches(factory); };
    Judge(purge, [&] { return Frame(track3D, inside, tdo, factory); });
    Judge(purge, [&] { return Check(tdo, factory); });
    Judge(purge, [&] { return ClipTest(tdo, factory); });
    // COST_FUZZ_NO_TRACK_WINDOW=1: the track window is left out (a campaign on the 3D pane's
    // walks alone).
    static const bool trackWindow = std::getenv("COST_FUZZ_NO_TRACK_WINDOW") == nullptr;
    if (ptf && trackWindow)
        Judge(purge, [&] { return TrackWindow(factory); });
    PurgeCaches(factory);
    return 0;
}
