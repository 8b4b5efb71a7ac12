#pragma once
// Builds N2 .3do files for the tests, byte by byte and independently of the reader: sections
// with their padding, and PRIM records whose references name records by label.
#include <array>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "Support/ByteBuilder.h"

namespace VelmoTest
{
class N2Builder
{
public:
    // A body word: a number, or the PRIM offset of the record of that label ("" for -1).
    struct Ref
    {
        std::string Label;
    };
    typedef std::variant<std::int64_t, Ref> Word;

    // A record {type, reserved, words..., bytes...}.
    N2Builder& Record(const std::string& label, std::uint8_t type, std::vector<Word> words,
                      std::vector<std::uint8_t> tail = {}, std::uint32_t reserved = 0)
    {
        m_records.push_back({label, type, std::move(words), std::move(tail), reserved});
        return *this;
    }

    // The PRIM data: the root offset (of the record labelled root), then the records.
    std::vector<std::uint8_t> Prim(const std::string& root) const
    {
        std::map<std::string, std::int64_t> offsets;
        std::int64_t at = 4;
        for (const auto& r : m_records)
        {
            offsets[r.label] = at;
            at += 5 + 4 * std::int64_t(r.words.size()) + std::int64_t(r.tail.size());
        }
        auto value = [&](const Word& w) -> std::uint32_t {
            if (const Ref* ref = std::get_if<Ref>(&w))
                return ref->Label.empty() ? 0xFFFFFFFF : std::uint32_t(offsets.at(ref->Label));
            return std::uint32_t(std::get<std::int64_t>(w));
        };
        ByteBuilder b;
        b.U32(std::uint32_t(offsets.at(root)));
        for (const auto& r : m_records)
        {
            b.U8(r.type).U32(r.reserved);
            for (const Word& w : r.words)
                b.U32(value(w));
            b.Bytes(r.tail);
        }
        return b.Get();
    }

    static std::vector<std::uint8_t> Section(const std::string& id, const std::vector<std::uint8_t>& data,
                                             std::uint32_t version = 0)
    {
        ByteBuilder b;
        b.Text(std::string(id.rbegin(), id.rend())).U32(version).U32(std::uint32_t(data.size())).Bytes(data);
        b.Zeros(data.size() % 4 ? 4 - data.size() % 4 : 0);
        return b.Get();
    }

    static std::vector<std::uint8_t> File(const std::vector<std::vector<std::uint8_t>>& sections)
    {
        ByteBuilder body;
        for (const auto& s : sections)
            body.Bytes(s);
        ByteBuilder b;
        b.Text("3OD3").U32(0).U32(std::uint32_t(body.Size())).Bytes(body.Get());
        return b.Get();
    }

    // A file of these records alone.
    std::vector<std::uint8_t> File(const std::string& root,
                                   const std::vector<std::vector<std::uint8_t>>& before = {}) const
    {
        auto sections = before;
        sections.push_back(Section("PRIM", Prim(root)));
        return File(sections);
    }

    // PREP or NORM entries {index, x, y, z}.
    static std::vector<std::uint8_t> Table(const std::vector<std::array<std::int32_t, 3>>& entries)
    {
        ByteBuilder b;
        for (std::size_t i = 0; i < entries.size(); ++i)
            b.S32(std::int32_t(i)).S32(entries[i][0]).S32(entries[i][1]).S32(entries[i][2]);
        return b.Get();
    }

private:
    struct Rec
    {
        std::string label;
        std::uint8_t type;
        std::vector<Word> words;
        std::vector<std::uint8_t> tail;
        std::uint32_t reserved;
    };
    std::vector<Rec> m_records;
};
} // namespace VelmoTest
