// Loads generated camera files of many cameras from disk, and saves the GPL ones (the only
// camera files the library writes) into memory and to disk; prints the best times of a few
// runs, the rates, whether each save gave back the file's bytes and the peak memory. The files
// are encoded here, independently of the readers:
//   gpl0  GPL version 0: TV1 and TV2 groups of 56-byte records, then the pit-lane record
//   gpl2  version 2: three groups of 57-byte records, the 88-byte tail, two filler bytes
//   n2    N2: records of nine floats, TV2 records with a reserved zero after them
//
//   CameraBench [cameras per group] [runs]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/N2CamFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;

namespace
{
typedef std::chrono::steady_clock Clock;
typedef std::vector<U8> Bytes;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void Word(Bytes& out, U32 v)
{
    for (int k = 0; k < 4; ++k)
        out.push_back(U8(v >> (8 * k)));
}

void Float(Bytes& out, float v)
{
    U32 bits;
    std::memcpy(&bits, &v, 4);
    Word(out, bits);
}

// Camera i's record: a track position of four floats, the fixed flag, three zooms, three
// rotations and three fields of vision.
void TrackRecord(Bytes& out, int i)
{
    for (int k = 0; k < 4; ++k)
        Float(out, float(i) * 2.5f + float(k));
    Word(out, U32(i % 2));
    for (int k = 0; k < 9; ++k)
        Float(out, 0.125f * float(k) + float(i % 100));
}

// The TCAM chunk of a GPL camera file with cameras track cameras in each group.
Bytes GPLCameras(U32 version, int cameras)
{
    Bytes out;
    Word(out, 0x5443414D); // "TCAM"
    Word(out, version);
    Word(out, 0);
    const int groups = version == 2 ? 3 : 2;
    for (int group = 0; group < groups; ++group)
    {
        Word(out, U32(cameras));
        for (int i = 0; i < cameras; ++i)
        {
            TrackRecord(out, i);
            if (version == 2)
                out.push_back(U8(i));
        }
    }
    if (version == 2)
        out.insert(out.end(), Papy::GPLCamFile::TailSize, 0x5A);
    else
    {
        for (int k = 0; k < 9; ++k)
            Float(out, 0.5f * float(k) - 2);
        for (int k = 0; k < 4; ++k)
            Word(out, 0);
    }
    const U32 size = U32(out.size() - 12);
    std::memcpy(&out[8], &size, 4);
    if (version == 2)
        out.insert(out.end(), 2, 0x20);
    return out;
}

Bytes N2Cameras(int cameras)
{
    Bytes out;
    for (int group = 0; group < 2; ++group)
    {
        Word(out, U32(cameras));
        for (int i = 0; i < cameras; ++i)
        {
            for (int k = 0; k < 9; ++k)
                Float(out, float(i) + 0.25f * float(k));
            if (group == 1)
                Word(out, 0);
        }
    }
    return out;
}

std::string TempPath(const std::string& kind)
{
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/CameraBench-" + std::to_string(getpid()) + "-" + kind + ".cam";
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::unique_ptr<Util::BinaryFile> out(Util::BinaryFile::CreateAlways(path));
    out->Write(U32(bytes.size()), bytes.data());
    out->Commit();
}

// Times runs loads of the file at path, and for GPL files runs saves into memory and to disk.
template <class File>
void Measure(const char* kind, const Bytes& bytes, int runs, bool saves)
{
    const std::string path = TempPath(kind);
    const std::string copy = TempPath(std::string(kind) + "-saved");
    WriteFile(path, bytes);
    double load = 1e9, memory = 1e9, disk = 1e9;
    int cameras = 0;
    bool same = true;
    for (int run = 0; run < runs; ++run)
    {
        auto start = Clock::now();
        std::unique_ptr<Util::BinaryFile> in(Util::BinaryFile::OpenRead(path));
        auto file = std::make_unique<File>(*in);
        load = std::min(load, Seconds(start));
        cameras = file->GetCameraCount();
        if (!saves)
            continue;
        Util::MemoryStream stream("saved");
        start = Clock::now();
        file->Save(stream);
        memory = std::min(memory, Seconds(start));
        same = same && stream.GetBytes() == bytes;
        start = Clock::now();
        std::unique_ptr<Util::BinaryFile> out(Util::BinaryFile::CreateAlways(copy));
        file->Save(*out);
        out->Commit();
        disk = std::min(disk, Seconds(start));
    }
    const double megabytes = bytes.size() / 1e6;
    std::printf("%-5s %8d cameras, %6.2f MB: load %.4f s (%.0f MB/s)", kind, cameras, megabytes, load,
                megabytes / load);
    if (saves)
        std::printf(", save to memory %.4f s (%.0f MB/s), to disk %.4f s, %s", memory, megabytes / memory, disk,
                    same ? "same bytes" : "BYTES DIFFER");
    std::printf("\n");
    unlink(path.c_str());
    unlink(copy.c_str());
}
} // namespace

int main(int argc, char** argv)
{
    const int cameras = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (cameras < 0 || runs < 1)
    {
        std::fprintf(stderr, "CameraBench [cameras per group] [runs]\n");
        return 2;
    }
    try
    {
        std::printf("best of %d runs\n", runs);
        Measure<Papy::GPLCamFile>("gpl0", GPLCameras(0, cameras), runs, true);
        Measure<Papy::GPLCamFile>("gpl2", GPLCameras(2, cameras), runs, true);
        Measure<Papy::N2CamFile>("n2", N2Cameras(cameras), runs, false);
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 1;
    }
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (ru_maxrss, the encoded files included): %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
