// Loading and saving a large N4 .3do file: a vertex list of a million vertices, a triangle
// list of three million indices and a few thousand shapes, each referenced twice. The file is
// generated here, written to a temporary file, loaded from it and saved back to another file
// several times; the program prints the best and the median times and checks that the saved
// file is byte-identical to the input.
//
//   N4TdoBench [folder for the temporary files, default /tmp]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
const U32 VertexCount = 1000000;
const U32 IndexCount = 3000000;
const U32 ShapeCount = 4000;

class Writer
{
public:
    void S32(S32 v) { Raw(&v, 4); }
    void U32(Velmo::U32 v) { Raw(&v, 4); }
    void U8(Velmo::U8 v) { bytes.push_back(v); }
    void F64(double v) { Raw(&v, 8); }
    void Text(const std::string& s)
    {
        U32(Velmo::U32(s.size() + 1));
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    // A new object: its number and its class (announced at the class's first object).
    void New(const char* descriptor, Velmo::U32& classId)
    {
        U32(++counter);
        if (classId != 0)
        {
            U32(classId);
            return;
        }
        classId = ++counter;
        U32(classId);
        Text(descriptor);
    }
    std::vector<Velmo::U8> bytes;
    Velmo::U32 counter = 0;

private:
    void Raw(const void* p, int n)
    {
        Velmo::U8 b[8];
        std::memcpy(b, p, n); // the bench runs on little-endian hosts
        bytes.insert(bytes.end(), b, b + n);
    }
};

std::vector<U8> Generate()
{
    Writer w;
    w.bytes.reserve(70u << 20);
    U32 groupClass = 0, geometryClass = 0, listClass = 0, trisClass = 0, shapeClass = 0, textureClass = 0;
    // The top group: the mesh, then every shape twice.
    w.New("GroupDescriptor", groupClass);
    w.S32(1);
    w.Text("bench");
    w.S32(1);
    w.S32(1);
    for (int i = 0; i < 6; ++i)
        w.F64(i < 3 ? -1000.0 : 1000.0);
    w.S32(1);
    const U32 children = 1 + 2 * ShapeCount;
    w.U32(children);
    w.U32(children * 4);

    const U32 geometryId = w.counter + 1;
    w.New("GeometryDescriptor", geometryClass);
    w.S32(1);
    w.S32(0);
    w.S32(1);
    w.New("PlainVertexListDescriptor", listClass);
    for (S32 word : {1, 0, 1, 1})
        w.S32(word);
    w.U32(VertexCount);
    for (int group = 0; group < 2; ++group)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            w.U32(VertexCount * 8);
            for (U32 i = 0; i < VertexCount; ++i)
                w.F64(group == 0 ? double(i % 1000) * (axis + 1) + 0.25 : (axis == 2 ? 1.0 : 0.0));
        }
        w.S32(group == 0 ? 0 : 3);
    }
    for (int i = 0; i < 2 + 18 + 2 + 2; ++i)
        w.U32(0);
    w.New("TriListDescriptor", trisClass);
    for (S32 word : {1, 0, 1, 0, 1})
        w.S32(word);
    w.U32(IndexCount);
    w.U32(IndexCount * 4);
    for (U32 i = 0; i < IndexCount; ++i)
        w.U32((i * 7919u) % VertexCount);

    const U32 textureId = w.counter + 1;
    std::vector<U32> shapes;
    for (U32 s = 0; s < ShapeCount; ++s)
    {
        shapes.push_back(w.counter + 1);
        w.New("ShapeDescriptor", shapeClass);
        w.S32(1);
        w.Text("shape " + std::to_string(s));
        w.S32(1);
        w.S32(1);
        if (s == 0)
        {
            w.New("TextureDescriptor", textureClass);
            w.S32(1);
            w.S32(0);
            w.S32(2);
            w.Text("bench.mip");
            w.U8(1);
        }
        else
            w.U32(textureId);
        w.U32(geometryId);
    }
    for (U32 id : shapes)
        w.U32(id);
    return std::move(w.bytes);
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Wall-clock and processor time (user and system) of one step.
struct Timing
{
    double wall;
    double cpu;
};

class Stopwatch
{
public:
    Stopwatch() : m_wall(std::chrono::steady_clock::now()), m_cpu(std::clock()) {}
    Timing Stop() const
    {
        return {Seconds(std::chrono::steady_clock::now() - m_wall), double(std::clock() - m_cpu) / CLOCKS_PER_SEC};
    }

private:
    std::chrono::steady_clock::time_point m_wall;
    std::clock_t m_cpu;
};

void Report(const char* what, std::vector<Timing> times)
{
    std::sort(times.begin(), times.end(), [](const Timing& a, const Timing& b) { return a.wall < b.wall; });
    std::vector<double> cpu;
    for (const Timing& t : times)
        cpu.push_back(t.cpu);
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-5s wall best %.3f s, median %.3f s; processor time median %.3f s (%zu runs)\n", what,
                times.front().wall, times[times.size() / 2].wall, cpu[cpu.size() / 2], times.size());
}

std::vector<U8> ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    std::vector<U8> bytes(size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        std::string folder = argc > 1 ? argv[1] : "/tmp";
        std::string input = folder + "/N4TdoBench-input.3do";
        std::string output = folder + "/N4TdoBench-output.3do";
        std::vector<U8> bytes = Generate();
        {
            std::ofstream out(input, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        std::printf("generated %s: %.1f MB, %u vertices, %u indices, %u shapes referenced twice\n", input.c_str(),
                    bytes.size() / 1e6, VertexCount, IndexCount, ShapeCount);

        const int runs = 5;
        std::vector<Timing> loads, saves;
        bool identical = true;
        for (int run = 0; run < runs; ++run)
        {
            // Loading: opening the file, reading it and building every node.
            Stopwatch load;
            Util::CountedPointer<Util::BinaryStream> in(Util::BinaryFile::OpenRead(input));
            N4TdoFile file(in, GetN4TdoArchivers(), nullptr);
            in = nullptr;
            loads.push_back(load.Stop());

            // Saving: writing the archive to a new file, synced to disk and put in place.
            Stopwatch save;
            Util::BinaryFile* target = Util::BinaryFile::CreateAlways(output);
            Util::CountedPointer<Util::BinaryStream> out(target);
            file.Save(out);
            target->Commit();
            out = nullptr;
            saves.push_back(save.Stop());

            identical = identical && ReadFile(output) == bytes;
        }
        Report("load", loads);
        Report("save", saves);
        std::printf("saved file %s the input\n", identical ? "is byte-identical to" : "DIFFERS from");
        std::remove(input.c_str());
        std::remove(output.c_str());
        return identical ? 0 : 1;
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 2;
    }
}
