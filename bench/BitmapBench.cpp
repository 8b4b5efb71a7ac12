// Bitmap figures: reading every pixel of a 1024 x 1024 MIP chain (11 levels) in the 32-bit
// format and in the 64-bit colour-block format, writing that chain and reading it back (in
// memory and through a file), a box-filter downsample of 1024 x 1024 pixels, and opening a
// 2048 x 2048 N4 MIP (format 10, imploded levels, 12 levels) and decoding all its levels. Each
// figure is the best and the median of several runs, on one core.
//
//   BitmapBench [folder for the temporary file, default /tmp]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/PkCompression.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
const U32 Side = 1024;
const U32 Levels = 11;
const int Runs = 7;

void Report(const char* what, const std::function<void()>& work, double target)
{
    BenchTiming::Report(what, work, target, Runs, 52);
}

volatile float sink;

// Every pixel of every level, summed so that nothing is left out.
void ReadEveryPixel(const MipFile& file)
{
    float sum = 0;
    for (U32 m = 0; m < file.GetBitmapCount(); ++m)
    {
        auto level = file.GetBitmap(m);
        const Bitmap& bitmap = *level;
        U32 height = bitmap.GetHeight();
        U32 width = bitmap.GetWidth();
        for (U32 r = 0; r < height; ++r)
            for (U32 c = 0; c < width; ++c)
            {
                Colour p = bitmap.GetPixel(r, c);
                sum += p.GetRed() + p.GetGreen() + p.GetBlue() + p.GetAlpha();
            }
    }
    sink = sum;
}

// A 1024 x 1024 MIP of the 16-bit colour format whose levels hold 64-bit colour blocks, as
// the bytes of a file.
std::vector<U8> BlockChain()
{
    std::mt19937 random(1);
    Util::MemoryStream out("blocks.mip");
    auto chunk = [&](const char* id, U32 size) {
        ChunkHeader(MakeChunkId(id[0], id[1], id[2], id[3]), 0, size).Write(out);
    };
    const PixelFormat& format = *FindGPLPixelFormat(10);
    std::vector<std::vector<U8>> levels;
    U32 total = 0;
    for (U32 m = 0; m < Levels; ++m)
    {
        U32 side = Side >> m;
        U32 stride = U32(GetStride(format, side));
        std::vector<U8> data(GetPixelByteCount(format, side, stride));
        for (U8& b : data)
            b = U8(random());
        levels.push_back(data);
        total += 12 + 12 + 16 + 12 + U32(data.size());
    }
    chunk(" MIP", 12 + 20 + total);
    chunk("MPHD", 18);
    U8 header[20] = {3};
    Util::EncodeLE<U32>(10, header + 1);
    Util::EncodeLE<U32>(10, header + 5);
    Util::EncodeLE<U32>(Levels, header + 14);
    header[18] = header[19] = 0x20;
    out.Write(20, header);
    for (U32 m = 0; m < Levels; ++m)
    {
        U32 side = Side >> m;
        chunk("BMAP", 12 + 16 + 12 + U32(levels[m].size()));
        chunk("BMHD", 14);
        U8 bmhd[16] = {10};
        Util::EncodeLE<U32>(side, bmhd + 1);
        Util::EncodeLE<U32>(side, bmhd + 5);
        Util::EncodeLE<U32>(U32(GetStride(format, side)), bmhd + 9);
        bmhd[14] = bmhd[15] = 0x20;
        out.Write(16, bmhd);
        chunk("DATA", U32(levels[m].size()));
        out.Write(U32(levels[m].size()), levels[m].data());
    }
    return out.TakeBytes();
}
// A 2048 x 2048 N4 MIP of 12 levels in the 64-bit colour-block format, every level imploded, as
// the bytes of a file (version 4). The blocks come from a small set, so the levels implode to a
// size like that of real textures.
std::vector<U8> N4BlockChain()
{
    const U32 side = 2048;
    const U32 levels = 12;
    std::mt19937 random(3);
    std::vector<std::array<U8, 8>> palette(256);
    for (auto& block : palette)
        for (U8& b : block)
            b = U8(random());
    const PixelFormat& format = *FindGPLPixelFormat(10);
    Util::MemoryStream out("n4blocks.mip");
    U8 header[N4MipFile::HeaderSize + 8] = {};
    Util::EncodeLE<U16>(4, header);
    header[2] = 10;
    Util::EncodeLE<U32>(11, header + 4);
    Util::EncodeLE<U32>(11, header + 8);
    header[15] = 255;
    Util::EncodeLE<U32>(levels, header + 16);
    out.Write(sizeof header, header);
    for (U32 m = levels; m-- > 0;)
    {
        U32 w = side >> m;
        U32 stride = U32(GetStride(format, w));
        std::vector<U8> pixels(GetPixelByteCount(format, w, stride));
        for (std::size_t at = 0; at + 8 <= pixels.size(); at += 8)
        {
            const auto& block = palette[random() % 64];
            std::copy(block.begin(), block.end(), pixels.begin() + std::ptrdiff_t(at));
        }
        std::vector<U8> packed(Util::PkCompression::MaxCompressedSize(U32(pixels.size())));
        packed.resize(Util::PkCompression::Compress(pixels.data(), U32(pixels.size()), packed.data(),
                                                    U32(packed.size())));
        U32 pad = (4 - packed.size() % 4) % 4;
        ChunkHeader(MakeChunkId('B', 'M', 'A', 'P'), 0, U32(12 + 16 + 12 + packed.size() + pad)).Write(out);
        ChunkHeader(MakeChunkId('B', 'M', 'H', 'D'), 0, 14).Write(out);
        U8 bmhd[16] = {10};
        Util::EncodeLE<U32>(w, bmhd + 1);
        Util::EncodeLE<U32>(w, bmhd + 5);
        Util::EncodeLE<U32>(stride, bmhd + 9);
        bmhd[13] = 1;
        bmhd[14] = bmhd[15] = 0x20;
        out.Write(16, bmhd);
        ChunkHeader(MakeChunkId('D', 'A', 'T', 'A'), 0, U32(packed.size())).Write(out);
        out.Write(U32(packed.size()), packed.data());
        const U8 blanks[3] = {0x20, 0x20, 0x20};
        out.Write(pad, blanks);
    }
    return out.TakeBytes();
}
} // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : "/tmp";
    try
    {
        // A 32-bit chain built in memory and filled through SetPixel.
        GPLMipFile built(Side, Side, 8, 8, 8, 8, 2, false, 0, false, true, true, Levels, 7, 1, 0);
        std::mt19937 random(2);
        for (U32 m = 0; m < Levels; ++m)
        {
            auto level = built.GetBitmap(m);
            for (U32 r = 0; r < level->GetHeight(); ++r)
                for (U32 c = 0; c < level->GetWidth(); ++c)
                    level->SetPixel(r, c, Colour((random() % 256) / 255.0f, (random() % 256) / 255.0f,
                                                 (random() % 256) / 255.0f, (random() % 255 + 1) / 255.0f));
        }
        Util::MemoryStream saved("chain.mip");
        built.Save(saved);
        std::printf("1024 x 1024 chain, %u levels, %zu bytes\n", Levels, saved.GetBytes().size());

        Util::MemoryStream input(saved.GetBytes(), "chain.mip");
        GPLMipFile read(input, 0);
        Report("GetPixel, every pixel, format 7 (read from a file)", [&] { ReadEveryPixel(read); }, 150);

        std::vector<U8> blocks = BlockChain();
        Util::MemoryStream blockInput(blocks, "blocks.mip");
        GPLMipFile blockFile(blockInput, 0);
        Report("GetPixel, every pixel, format 10", [&] { ReadEveryPixel(blockFile); }, 250);

        Report("write and read back, in memory", [&] {
            Util::MemoryStream out("again.mip");
            built.Save(out);
            Util::MemoryStream in(out.TakeBytes(), "again.mip");
            GPLMipFile again(in, 0);
            sink = float(again.GetBitmapCount());
        }, 300);

        std::string path = folder + "/velmo-bitmap-bench.mip";
        Report("write and read back, through a file", [&] {
            {
                std::unique_ptr<Util::BinaryFile> out(Util::BinaryFile::CreateAlways(path));
                built.Save(*out);
                out->Commit();
            }
            std::unique_ptr<Util::BinaryFile> in(Util::BinaryFile::OpenRead(path));
            GPLMipFile again(*in, 0);
            sink = float(again.GetBitmapCount());
        }, 300);
        std::remove(path.c_str());

        BitmapSimple picture;
        CopyBitmap(*built.GetBitmap(0), picture);
        Report("DownsampleBox 1024 x 1024 by 2 x 2", [&] {
            BitmapSimple half;
            DownsampleBox(picture, 2, 2, half);
            sink = half.GetPixel(0, 0).GetRed();
        }, 40);
        Report("DownsampleBox 1024 x 1024 whole (a header colour)", [&] {
            BitmapSimple one;
            DownsampleBox(*built.GetBitmap(0), Side, Side, one);
            sink = one.GetPixel(0, 0).GetRed();
        }, 40);

        std::vector<U8> n4 = N4BlockChain();
        std::printf("N4 MIP 2048 x 2048, format 10, imploded, 12 levels, %zu bytes\n", n4.size());
        Util::MemoryStream n4Input(n4, "n4blocks.mip");
        Report("N4 MIP open (header; level bytes kept)", [&] {
            N4MipFile file(n4Input);
            sink = float(file.GetBitmapCount());
        }, 5);
        Report("N4 MIP open and decode all levels", [&] {
            N4MipFile file(n4Input);
            for (U32 m = 0; m < file.GetBitmapCount(); ++m)
                sink = file.GetBitmap(m)->GetPixel(0, 0).GetRed();
        }, 300);
        Report("N4 MIP open, decode and read every pixel", [&] {
            N4MipFile file(n4Input);
            ReadEveryPixel(file);
        }, 300);
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}
