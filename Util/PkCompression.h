#pragma once
// PKWARE Data Compression Library "implode" streams (version 1.11), memory to memory.
//
// Stream layout: byte 0 is the literal mode (0 binary, 1 ASCII), byte 1 the dictionary bits k
// (4, 5 or 6: a dictionary of 1024, 2048 or 4096 bytes), then a bit stream of tokens read
// least significant bit first. A token is a flag bit, then either a literal (8 plain bits in
// binary mode, a literal code in ASCII mode) or a match: a length code with extra bits, then
// a distance code with k plain low bits (2 when the match is 2 bytes long). Length index 517
// is the end code. The last byte is padded with zero bits.
//
// Every code table below is a complete prefix code; a code of b bits with value v is sent as
// the b low bits of v, least significant bit first.
#include <string>

#include "Util/Types.h"

namespace Velmo::Util
{
class PkCompression
{
public:
    // Codes for the 16 length groups; group i covers length indexes base..base + 2^extra - 1,
    // and the match length is index + 2.
    static constexpr U8 lengthBits[16] = {3, 2, 3, 3, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7};
    static constexpr U8 lengthCodes[16] = {0x05, 0x03, 0x01, 0x06, 0x0A, 0x02, 0x0C, 0x14,
                                           0x04, 0x18, 0x08, 0x30, 0x10, 0x20, 0x40, 0x00};
    static constexpr U8 lengthExtraBits[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    static constexpr U16 lengthBase[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 14, 22, 38, 70, 134, 262};
    static constexpr U32 endCodeIndex = 517;

    // Codes for the high part of distance - 1 (the bits above the k or 2 plain low bits).
    static constexpr U8 distanceBits[64] = {2, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6,
                                            6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                                            7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                                            8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
    static constexpr U8 distanceCodes[64] = {
        0x03, 0x0D, 0x05, 0x19, 0x09, 0x11, 0x01, 0x3E, 0x1E, 0x2E, 0x0E, 0x36, 0x16, 0x26, 0x06, 0x3A,
        0x1A, 0x2A, 0x0A, 0x32, 0x12, 0x22, 0x42, 0x02, 0x7C, 0x3C, 0x5C, 0x1C, 0x6C, 0x2C, 0x4C, 0x0C,
        0x74, 0x34, 0x54, 0x14, 0x64, 0x24, 0x44, 0x04, 0x78, 0x38, 0x58, 0x18, 0x68, 0x28, 0x48, 0x08,
        0xF0, 0x70, 0xB0, 0x30, 0xD0, 0x50, 0x90, 0x10, 0xE0, 0x60, 0xA0, 0x20, 0xC0, 0x40, 0x80, 0x00};

    // Literal codes of ASCII mode, by byte value.
    static constexpr U8 literalBits[256] = {
        11, 12, 12, 12, 12, 12, 12, 12, 12, 8,  7,  12, 12, 7,  12, 12, //
        12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 13, 12, 12, 12, 12, 12, //
        4,  10, 8,  12, 10, 12, 10, 8,  7,  7,  8,  9,  7,  6,  7,  8,  //
        7,  6,  7,  7,  7,  7,  8,  7,  7,  8,  8,  12, 11, 7,  9,  11, //
        12, 6,  7,  6,  6,  5,  7,  8,  8,  6,  11, 9,  6,  7,  6,  6,  //
        7,  11, 6,  6,  6,  7,  9,  8,  9,  9,  11, 8,  11, 9,  12, 8,  //
        12, 5,  6,  6,  6,  5,  6,  6,  6,  5,  11, 7,  5,  6,  5,  5,  //
        6,  10, 5,  5,  5,  5,  8,  7,  8,  8,  10, 11, 11, 12, 12, 12, //
        13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, //
        13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, //
        13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, //
        12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, //
        12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, //
        12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, //
        13, 12, 13, 13, 13, 12, 13, 13, 13, 12, 13, 13, 13, 13, 12, 13, //
        13, 13, 12, 12, 12, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13};
    static constexpr U16 literalCodes[256] = {
        0x0490, 0x0FE0, 0x07E0, 0x0BE0, 0x03E0, 0x0DE0, 0x05E0, 0x09E0, //
        0x01E0, 0x00B8, 0x0062, 0x0EE0, 0x06E0, 0x0022, 0x0AE0, 0x02E0, //
        0x0CE0, 0x04E0, 0x08E0, 0x00E0, 0x0F60, 0x0760, 0x0B60, 0x0360, //
        0x0D60, 0x0560, 0x1240, 0x0960, 0x0160, 0x0E60, 0x0660, 0x0A60, //
        0x000F, 0x0250, 0x0038, 0x0260, 0x0050, 0x0C60, 0x0390, 0x00D8, //
        0x0042, 0x0002, 0x0058, 0x01B0, 0x007C, 0x0029, 0x003C, 0x0098, //
        0x005C, 0x0009, 0x001C, 0x006C, 0x002C, 0x004C, 0x0018, 0x000C, //
        0x0074, 0x00E8, 0x0068, 0x0460, 0x0090, 0x0034, 0x00B0, 0x0710, //
        0x0860, 0x0031, 0x0054, 0x0011, 0x0021, 0x0017, 0x0014, 0x00A8, //
        0x0028, 0x0001, 0x0310, 0x0130, 0x003E, 0x0064, 0x001E, 0x002E, //
        0x0024, 0x0510, 0x000E, 0x0036, 0x0016, 0x0044, 0x0030, 0x00C8, //
        0x01D0, 0x00D0, 0x0110, 0x0048, 0x0610, 0x0150, 0x0060, 0x0088, //
        0x0FA0, 0x0007, 0x0026, 0x0006, 0x003A, 0x001B, 0x001A, 0x002A, //
        0x000A, 0x000B, 0x0210, 0x0004, 0x0013, 0x0032, 0x0003, 0x001D, //
        0x0012, 0x0190, 0x000D, 0x0015, 0x0005, 0x0019, 0x0008, 0x0078, //
        0x00F0, 0x0070, 0x0290, 0x0410, 0x0010, 0x07A0, 0x0BA0, 0x03A0, //
        0x0240, 0x1C40, 0x0C40, 0x1440, 0x0440, 0x1840, 0x0840, 0x1040, //
        0x0040, 0x1F80, 0x0F80, 0x1780, 0x0780, 0x1B80, 0x0B80, 0x1380, //
        0x0380, 0x1D80, 0x0D80, 0x1580, 0x0580, 0x1980, 0x0980, 0x1180, //
        0x0180, 0x1E80, 0x0E80, 0x1680, 0x0680, 0x1A80, 0x0A80, 0x1280, //
        0x0280, 0x1C80, 0x0C80, 0x1480, 0x0480, 0x1880, 0x0880, 0x1080, //
        0x0080, 0x1F00, 0x0F00, 0x1700, 0x0700, 0x1B00, 0x0B00, 0x1300, //
        0x0DA0, 0x05A0, 0x09A0, 0x01A0, 0x0EA0, 0x06A0, 0x0AA0, 0x02A0, //
        0x0CA0, 0x04A0, 0x08A0, 0x00A0, 0x0F20, 0x0720, 0x0B20, 0x0320, //
        0x0D20, 0x0520, 0x0920, 0x0120, 0x0E20, 0x0620, 0x0A20, 0x0220, //
        0x0C20, 0x0420, 0x0820, 0x0020, 0x0FC0, 0x07C0, 0x0BC0, 0x03C0, //
        0x0DC0, 0x05C0, 0x09C0, 0x01C0, 0x0EC0, 0x06C0, 0x0AC0, 0x02C0, //
        0x0CC0, 0x04C0, 0x08C0, 0x00C0, 0x0F40, 0x0740, 0x0B40, 0x0340, //
        0x0300, 0x0D40, 0x1D00, 0x0D00, 0x1500, 0x0540, 0x0500, 0x1900, //
        0x0900, 0x0940, 0x1100, 0x0100, 0x1E00, 0x0E00, 0x0140, 0x1600, //
        0x0600, 0x1A00, 0x0E40, 0x0640, 0x0A40, 0x0A00, 0x1200, 0x0200, //
        0x1C00, 0x0C00, 0x1400, 0x0400, 0x1800, 0x0800, 0x1000, 0x0000};

    // Codes input bytes in binary mode with a 4096-byte dictionary (header 00 06) into output
    // and returns the bytes written. An output capacity below what the coded data needs fails
    // the assertion rather than dropping bytes; MaxCompressedSize is always enough.
    static U32 Compress(const void* input, U32 inputSize, void* output, U32 outputCapacity);

    // Decodes a stream of any literal mode and dictionary size and returns the bytes kept:
    // output beyond the capacity is dropped. A damaged stream, a stream of 4 bytes or fewer
    // and bytes left over in a later 2048-byte transfer than the one holding the end code
    // fail the assertion. A match reaching back before the first output byte copies zeros.
    static U32 Decompress(const void* input, U32 inputSize, void* output, U32 outputCapacity);
    // Decodes the first outputCapacity bytes only, and stops there: the bytes a reader of a
    // header needs, without the time of the whole stream. A stream that ends before that is
    // decoded whole and checked as Decompress checks it; the bytes kept are returned.
    static U32 DecompressPrefix(const void* input, U32 inputSize, void* output, U32 outputCapacity);
    // The bytes the stream decodes to, kept nowhere, checked as Decompress checks the stream;
    // limit + 1 as soon as it passes limit (the rest is not decoded).
    static U64 Measure(const void* input, U32 inputSize, U64 limit);
    // Every byte decoded into memory so far by Decompress and DecompressPrefix (Measure keeps
    // none): what a step unpacked is the rise of this across it.
    static U64 GetDecodedBytes();

    // The most bytes Compress can write for an input of that size (9 bits per byte, the
    // header and the end code).
    static U64 MaxCompressedSize(U32 inputSize);

    // The most bytes any stream of that size can decode to (every token the longest match
    // in the fewest bits).
    static U64 MaxDecompressedSize(U32 compressedSize);

    // The most bytes one entry of a container, or one imploded block of a file, may unpack
    // to, whatever size its header gives: far above any file of the games (the largest is a
    // few megabytes), far below what would exhaust the memory of the machines they run on.
    static constexpr U64 MaxUnpackedSize = U64(256) << 20;

    // Refuses an unpacked size beyond MaxUnpackedSize before anything is allocated for it:
    // XFileFormat(file, "<name> would unpack to <size> bytes, more than the 268435456 bytes
    // allowed for one file"). Returns otherwise.
    static void CheckUnpackedSize(const std::string& file, const std::string& name, U64 size);
};
} // namespace Velmo::Util
