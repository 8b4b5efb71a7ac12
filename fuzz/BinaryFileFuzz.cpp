// Runs a sequence of stream operations, decoded from the input, on a file stream and on a
// plain model of the file (a byte vector and a position): reads, writes, seeks (beyond the
// end too), truncation, commit and reopening. Every result, size, position and the bytes on
// disk must agree with the model, whatever the buffering and the read window do.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Util/BinaryFile.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
void Fail(const char* what, size_t step)
{
    std::fprintf(stderr, "%s (operation %zu)\n", what, step);
    std::abort();
}

struct TemporaryFile
{
    TemporaryFile()
        : path((std::filesystem::temp_directory_path() / ("vantrel-filefuzz-" + std::to_string(getpid()))).string())
    {
    }
    ~TemporaryFile() { std::remove(path.c_str()); }
    std::string path;
};

// Sizes around the 128 KiB buffer as well as small ones.
U64 SizeOf(U8 code, U8 scale)
{
    switch (scale % 4)
    {
    case 0:
        return code % 9;
    case 1:
        return code;
    case 2:
        return U64(code) * 97;
    default:
        return 128 * 1024 - 64 + code;
    }
}

std::vector<U8> OnDisk(const std::string& path)
{
    std::vector<U8> bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb"))
    {
        U8 chunk[65536];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) != 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
        std::fclose(file);
    }
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TemporaryFile file;
    std::remove(file.path.c_str());
    std::unique_ptr<BinaryFile> stream(BinaryFile::CreateNew(file.path));
    std::vector<U8> model;
    U64 position = 0;
    U8 fill = 1;
    std::vector<U8> buffer;

    for (size_t at = 0, step = 0; at + 3 <= size && step < 64; at += 3, ++step)
    {
        U8 op = data[at], code = data[at + 1], scale = data[at + 2];
        U64 n = SizeOf(code, scale);
        switch (op % 7)
        {
        case 0:
        case 1: // read
        {
            buffer.assign(n + 1, 0xEE);
            bool fits = n == 0 || (position <= model.size() && n <= model.size() - position);
            try
            {
                stream->Read(U32(n), buffer.data());
                if (!fits)
                    Fail("a read beyond the end succeeded", step);
                if ((n != 0 && !std::equal(buffer.begin(), buffer.begin() + n, model.begin() + position)) || buffer[n] != 0xEE)
                    Fail("read bytes differ", step);
                position += n;
            }
            catch (const XFileRead&)
            {
                if (fits)
                    Fail("a read within the file failed", step);
            }
            break;
        }
        case 2:
        case 3: // write
        {
            buffer.resize(n);
            for (U8& b : buffer)
                b = fill++;
            stream->Write(U32(n), buffer.data());
            if (n != 0)
            {
                if (model.size() < position + n)
                    model.resize(position + n, 0);
                std::copy(buffer.begin(), buffer.end(), model.begin() + position);
                position += n;
            }
            break;
        }
        case 4: // seek, relative to the size, beyond it too
        {
            U64 target = scale & 1 ? model.size() * code / 255 : model.size() + code % 17;
            if (scale & 2)
                target = position >= n ? position - n : 0;
            stream->Seek(target);
            position = target;
            break;
        }
        case 5: // truncate at the position
            stream->Truncate();
            model.resize(position, 0);
            break;
        default: // commit, sometimes reopen
            stream->Commit();
            if (OnDisk(file.path) != model)
                Fail("the file on disk differs after commit", step);
            if (code & 1)
            {
                stream.reset();
                stream.reset(BinaryFile::OpenUpdate(file.path));
                position = 0;
            }
        }
        if (stream->Size() != model.size() || stream->Tell() != position ||
            stream->AtEnd() != (position == model.size()))
            Fail("size or position differ", step);
    }
    stream.reset();
    if (OnDisk(file.path) != model)
        Fail("the file on disk differs at the end", 64);
    return 0;
}
