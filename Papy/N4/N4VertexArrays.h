#pragma once
// Reading and writing the per-vertex arrays of the N4 vertex lists. An array is an int32 byte
// size followed by that many bytes of doubles. Points are three arrays (all x, all y, all z),
// texture coordinates two (all u, all v; two size words 0 when absent), and a channel one
// array (size word 0 when absent). The callers check each size word with their own assertion
// (check(size) with the expected size GetArraySize()).
#include <vector>

#include "Papy/Model/TextureVertex.h"
#include "Papy/N4/N4Archiver.h"

namespace Velmo::Papy
{
class N4VertexArrays
{
public:
    // Arrays of n values each, read from archive.
    N4VertexArrays(N4Archiver& archive, U32 n) : m_archive(archive), m_n(n) {}

    // The byte size of a full array: n x 8 (64 bits, so that it cannot wrap).
    U64 GetArraySize() const { return U64(m_n) * sizeof(F64); }

    template <class CheckT, class PointT>
    void ReadXyz(CheckT check, std::vector<PointT>& out)
    {
        const U8* axis[3];
        for (int a = 0; a < 3; ++a)
        {
            check(m_archive.ReadU32());
            axis[a] = m_archive.Take(GetArraySize());
        }
        out.clear();
        out.reserve(m_n);
        for (U64 i = 0; i < m_n; ++i)
            out.emplace_back(Value(axis[0], i), Value(axis[1], i), Value(axis[2], i));
    }

    // A texture set: a first size word of 0 means no set, and the second (checked by
    // checkEmpty) must then be 0 too; otherwise both arrays are full.
    template <class CheckT, class CheckEmptyT>
    void ReadUv(CheckT check, CheckEmptyT checkEmpty, std::vector<TextureVertex>& out)
    {
        out.clear();
        U32 size = m_archive.ReadU32();
        if (size == 0)
        {
            checkEmpty(m_archive.ReadU32());
            return;
        }
        check(size);
        const U8* u = m_archive.Take(GetArraySize());
        check(m_archive.ReadU32());
        const U8* v = m_archive.Take(GetArraySize());
        out.reserve(m_n);
        for (U64 i = 0; i < m_n; ++i)
            out.emplace_back(Value(u, i), Value(v, i));
    }

    // Channels first to end - 1: the number of each present channel is appended to numbers
    // and its n values to values.
    template <class CheckT>
    void ReadChannels(CheckT check, int first, int end, std::vector<int>& numbers, std::vector<double>& values)
    {
        for (int channel = first; channel < end; ++channel)
        {
            U32 size = m_archive.ReadU32();
            if (size == 0)
                continue;
            check(size);
            m_archive.Require(m_n, sizeof(F64));
            numbers.push_back(channel);
            size_t at = values.size();
            values.resize(at + m_n);
            m_archive.ReadF64s(m_n, values.data() + at);
        }
    }

    template <class PointT>
    static void WriteXyz(N4Archiver& archive, const std::vector<PointT>& points)
    {
        archive.WriteU32(U32(points.size() * sizeof(F64)));
        archive.WriteF64Array(points.size(), [&](U64 i) { return points[i].GetX(); });
        archive.WriteU32(U32(points.size() * sizeof(F64)));
        archive.WriteF64Array(points.size(), [&](U64 i) { return points[i].GetY(); });
        archive.WriteU32(U32(points.size() * sizeof(F64)));
        archive.WriteF64Array(points.size(), [&](U64 i) { return points[i].GetZ(); });
    }

    static void WriteUv(N4Archiver& archive, const std::vector<TextureVertex>& points);

    // Channels first to end - 1: a present channel (the next entry of numbers, from index
    // next on) as its n values, any other as the size word 0.
    static void WriteChannels(N4Archiver& archive, U32 n, int first, int end, const std::vector<int>& numbers,
                              const std::vector<double>& values, size_t& next);

    static void WriteArray(N4Archiver& archive, const std::vector<F64>& values);

private:
    // Value i of an array of doubles in the file.
    static F64 Value(const U8* array, U64 i) { return Util::DecodeLE<F64>(array + i * sizeof(F64)); }

    N4Archiver& m_archive;
    U32 m_n;
};
} // namespace Velmo::Papy
