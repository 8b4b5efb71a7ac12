// Runs a sequence of reads, decoded from the input, on record readers (over memory, and over
// a window stream onto a memory stream) and on a plain model (the bytes, and for each open
// reader its start, size and position). Values, positions, count checks and which operations
// fail must agree with the model; slices nest.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"
#include "Util/WindowStream.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
void Fail(const char* what, size_t step)
{
    std::fprintf(stderr, "%s (operation %zu)\n", what, step);
    std::abort();
}

struct Model
{
    U64 start, size, position;
    U64 Left() const { return size - position; }
};

U64 SizeOf(U8 code, U8 scale)
{
    switch (scale % 4)
    {
    case 0:
        return code % 9;
    case 1:
        return code;
    case 2:
        return U64(code) << 24;
    default:
        return ~U64(0) - code;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte says how many of the following triples are operations; the rest is the
    // data read.
    size_t operations = std::min<size_t>(data[0] % 48, (size - 1) / 3);
    const U8* ops = data + 1;
    std::vector<U8> bytes(data + 1 + 3 * operations, data + size);

    // The window sits two bytes into its parent, so that window offsets differ from the parent's.
    std::vector<U8> parentBytes{0xAA, 0xBB};
    parentBytes.insert(parentBytes.end(), bytes.begin(), bytes.end());
    parentBytes.push_back(0xCC);
    CountedPointer<BinaryStream> parent(new MemoryStream(parentBytes, "parent"));
    WindowStream window(parent, "window", 2, bytes.size());

    std::vector<RecordReader> memory{RecordReader(bytes.data(), bytes.size(), "fuzz")};
    std::vector<RecordReader> streamed{RecordReader(window)};
    std::vector<Model> model{{0, bytes.size(), 0}};

    for (size_t step = 0; step < operations; ++step)
    {
        U8 op = ops[3 * step], code = ops[3 * step + 1], scale = ops[3 * step + 2];
        U64 n = SizeOf(code, scale);
        Model& m = model.back();
        for (int which = 0; which < 2; ++which)
        {
            RecordReader& r = which == 0 ? memory.back() : streamed.back();
            if (which == 1 && (op & 0x80))
                parent->Seek(code); // something else moves the shared parent
            if (r.Tell() != m.position || r.Remaining() != m.Left() || r.AtEnd() != (m.Left() == 0))
                Fail("position or size differ", step);
            bool fits = true;
            try
            {
                switch (op % 8)
                {
                case 0:
                {
                    fits = m.Left() >= 4;
                    U32 value = r.ReadU32();
                    if (value != DecodeLE<U32>(bytes.data() + m.start + m.position))
                        Fail("u32 differs", step);
                    break;
                }
                case 1:
                {
                    unsigned width = 1u << (code % 4);
                    fits = m.Left() >= width;
                    U64 value = width == 1 ? r.ReadU8() : width == 2 ? r.ReadU16() : width == 4 ? r.ReadU32() : r.ReadU64();
                    U64 expected = 0;
                    for (unsigned i = 0; i < width; ++i)
                        expected |= U64(bytes[m.start + m.position + i]) << (8 * i);
                    if (value != expected)
                        Fail("number differs", step);
                    break;
                }
                case 2:
                {
                    fits = m.Left() >= n;
                    std::vector<U8> out(n < 4096 ? n : 0);
                    if (n < 4096)
                    {
                        r.ReadBytes(out.data(), n);
                        if (n != 0 && std::memcmp(out.data(), bytes.data() + m.start + m.position, n) != 0)
                            Fail("bytes differ", step);
                    }
                    else
                        r.Skip(n);
                    break;
                }
                case 3:
                {
                    fits = m.Left() >= n;
                    std::string text = r.ReadFixedString(n);
                    const U8* field = bytes.data() + m.start + m.position;
                    size_t length = 0;
                    while (length < n && field[length] != 0)
                        ++length;
                    if (text != std::string(reinterpret_cast<const char*>(field), length))
                        Fail("string differs", step);
                    break;
                }
                case 4:
                    fits = m.Left() >= n;
                    r.Skip(n);
                    break;
                case 5:
                {
                    U64 elementSize = SizeOf(U8(op >> 3), scale >> 2);
                    bool expected = elementSize == 0 || (unsigned __int128)n * elementSize <= m.Left();
                    if (r.Fits(n, elementSize) != expected)
                        Fail("count check differs", step);
                    fits = expected;
                    r.CheckCount(n, elementSize);
                    break;
                }
                case 6:
                    fits = m.Left() >= n;
                    if (which == 0)
                        memory.push_back(r.Slice(n));
                    else
                        streamed.push_back(r.Slice(n));
                    break;
                default:
                    if (which == 0 && memory.size() > 1)
                        memory.pop_back();
                    if (which == 1 && streamed.size() > 1)
                        streamed.pop_back();
                    break;
                }
                if (!fits)
                    Fail("an operation beyond the end succeeded", step);
            }
            catch (const XFileRead&)
            {
                if (fits)
                    Fail("an operation within the reader failed", step);
            }
        }
        // Advance the model once both readers did the operation.
        bool fits = true;
        U64 consumed = 0;
        switch (op % 8)
        {
        case 0:
            consumed = 4;
            break;
        case 1:
            consumed = 1u << (code % 4);
            break;
        case 2:
        case 3:
        case 4:
        case 6:
            consumed = n;
            break;
        default:
            break;
        }
        fits = consumed <= m.Left();
        if (op % 8 == 6 && fits)
        {
            Model slice{m.start + m.position, n, 0};
            m.position += n;
            model.push_back(slice);
        }
        else if (op % 8 == 7)
        {
            if (model.size() > 1)
                model.pop_back();
        }
        else if (fits)
            m.position += consumed;
    }
    return 0;
}
