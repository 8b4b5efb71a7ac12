// Loads and saves a generated N4 .ptf track of 5,000 segments (three cross sections, a floor
// section and two wall sections each, appearances and texture coordinates shared by all) and
// prints the times. The file is encoded here, independently of the readers.
//
//   N4PtfBench [segments] [repetitions]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/MemoryStream.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

namespace
{
// A little-endian archive encoder: objects and classes numbered from one counter.
class Encoder
{
public:
    void S32(std::int32_t v) { Raw(&v, 4); }
    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void F32(float v) { Raw(&v, 4); }
    void F64(double v) { Raw(&v, 8); }
    void Str(const std::string& s)
    {
        if (s.empty())
            return S32(0);
        S32(std::int32_t(s.size() + 1));
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        U8(0);
    }
    // A new object of the class; returns its number.
    std::int32_t New(const std::string& descriptor)
    {
        std::int32_t id = ++m_counter;
        S32(id);
        auto p = m_classes.find(descriptor);
        if (p != m_classes.end())
        {
            S32(p->second);
            return id;
        }
        std::int32_t cls = ++m_counter;
        m_classes[descriptor] = cls;
        S32(cls);
        Str(descriptor);
        return id;
    }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    void Raw(const void* p, int n)
    {
        std::uint8_t b[8];
        std::memcpy(b, p, n); // the bench runs on little-endian hosts
        m_bytes.insert(m_bytes.end(), b, b + n);
    }

    std::vector<std::uint8_t> m_bytes;
    std::int32_t m_counter = 0;
    std::map<std::string, std::int32_t> m_classes;
};

struct Shared
{
    std::int32_t textured = 0; // appearance with a base texture
    std::int32_t bare = 0;     // appearance without links
    std::int32_t coords = 0;   // texture coordinates
};

void XSection(Encoder& e, double latitude)
{
    e.New("X_SectionDescriptor");
    e.S32(1), e.S32(0), e.S32(2);
    for (double v : {latitude, 0.0, 0.0, latitude, 0.1, 0.0})
        e.F64(v);
    e.U8(0);
}

void FSection(Encoder& e, Shared& shared)
{
    e.New("F_SectionDescriptor");
    e.S32(1), e.S32(0), e.S32(4), e.F64(-10), e.F64(10), e.U8(0), e.S32(1), e.S32(1);
    if (shared.textured != 0)
        e.S32(shared.textured);
    else
    {
        shared.textured = e.New("AppearanceDescriptor");
        // The body of the appearance (New above wrote its reference and class).
        e.S32(1), e.Str("road"), e.S32(2);
        e.New("TextureDescriptor");
        e.S32(1), e.S32(0), e.S32(2), e.Str("road.mip"), e.U8(0);
        for (int i = 1; i < 7; ++i)
            e.S32(0);
        for (int i = 0; i < 12; ++i)
            e.F64(0.5);
        e.S32(1);
    }
    if (shared.coords != 0)
        e.S32(shared.coords);
    else
    {
        shared.coords = e.New("TextureCoordsDescriptor");
        for (std::int32_t w : {1, 0, 1, 4, 3})
            e.S32(w);
        for (int a = 0; a < 2; ++a)
        {
            e.S32(32);
            for (int i = 0; i < 4; ++i)
                e.F64(i * 0.25);
        }
        for (int c = 0; c < 22; ++c)
            e.S32(0);
    }
    e.U8(0), e.U8(1), e.F64(2.0), e.U8(0), e.F64(2.0), e.F64(0), e.F64(0), e.F64(0);
}

void WSection(Encoder& e, Shared& shared, double latitude)
{
    e.New("W_SectionDescriptor");
    e.S32(1), e.S32(0), e.S32(6), e.F32(float(latitude)), e.F32(float(latitude)), e.U8(0), e.S32(0);
    for (double v : {1.0, 1.0, 0.2, 0.2, 0.3, 0.3})
        e.F64(v);
    e.S32(0), e.S32(2049), e.S32(2), e.S32(0), e.S32(0);
    for (int k = 0; k < 2; ++k)
    {
        if (k > 0)
            e.F64(0.5);
        for (int l = 0; l < 5; ++l)
        {
            if (l == 0)
            {
                e.S32(shared.textured);
                e.S32(shared.coords);
                e.U8(1);
            }
            else if (l == 1)
            {
                if (shared.bare != 0)
                    e.S32(shared.bare);
                else
                {
                    shared.bare = e.New("AppearanceDescriptor");
                    e.S32(1), e.Str("wall"), e.S32(2);
                    for (int i = 0; i < 7; ++i)
                        e.S32(0);
                    for (int i = 0; i < 12; ++i)
                        e.F64(0.25);
                    e.S32(0);
                }
            }
            else
                e.S32(0);
        }
    }
}

std::vector<std::uint8_t> MakeTrack(int segments)
{
    Encoder e;
    Shared shared;
    e.New("TrackDescriptor");
    e.S32(1), e.S32(0), e.S32(8), e.S32(segments), e.U8(0);
    e.F64(1), e.F64(1), e.F64(1), e.F32(0), e.S32(0), e.S32(0), e.S32(0), e.S32(0);
    e.S32(4 * segments);
    const double step = 2 * 3.14159265358979323846 / segments;
    const double radius = 2000;
    for (int i = 0; i < segments; ++i)
    {
        e.New("SegmentDescriptor");
        e.S32(1), e.S32(0), e.S32(2);
        e.S32(3), e.S32(12);
        for (double latitude : {-10.0, 0.0, 10.0})
            XSection(e, latitude);
        e.S32(1), e.S32(4);
        FSection(e, shared);
        e.S32(2), e.S32(8);
        WSection(e, shared, -12);
        WSection(e, shared, 12);
        const double a0 = i * step;
        const double a1 = (i + 1) * step;
        e.S32(1);
        e.F64(radius * std::sin(a0)), e.F64(radius - radius * std::cos(a0)), e.F64(a0);
        e.F64(radius * std::sin(a1)), e.F64(radius - radius * std::cos(a1)), e.F64(a1);
        e.U8(0), e.U8(0);
        e.S32(1), e.S32(12), e.F32(-5), e.F32(5), e.S32(1);
        e.S32(0);
    }
    return e.Bytes();
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}
} // namespace

int main(int argc, char** argv)
{
    using namespace Velmo;
    const int segments = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::vector<std::uint8_t> bytes = MakeTrack(segments);
    std::printf("generated .ptf: %d segments, %zu bytes\n", segments, bytes.size());

    std::vector<double> loads, saves;
    try
    {
        for (int r = 0; r < repetitions; ++r)
        {
            auto* buffer = new Util::CharBuffer("bench.ptf");
            buffer->Attach(std::uint32_t(bytes.size()), bytes.data());
            Util::CountedPointer<Util::BinaryStream> in(buffer);
            auto t0 = std::chrono::steady_clock::now();
            Papy::N4TdoFile file(in, Papy::GetN4PtfArchivers(), nullptr);
            auto t1 = std::chrono::steady_clock::now();
            auto* written = new Util::MemoryStream("bench-saved.ptf");
            Util::CountedPointer<Util::BinaryStream> out(written);
            auto t2 = std::chrono::steady_clock::now();
            file.Save(out);
            auto t3 = std::chrono::steady_clock::now();
            if (written->GetBytes() != bytes)
            {
                std::printf("saved file differs from the loaded one\n");
                return 1;
            }
            loads.push_back(Seconds(t1 - t0));
            saves.push_back(Seconds(t3 - t2));
        }
    }
    catch (const Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    std::sort(loads.begin(), loads.end());
    std::sort(saves.begin(), saves.end());
    std::printf("load: best %.4f s, median %.4f s (target <= 0.5 s)\n", loads.front(), loads[loads.size() / 2]);
    std::printf("save: best %.4f s, median %.4f s (target <= 0.5 s)\n", saves.front(), saves[saves.size() / 2]);
    return 0;
}
