#pragma once
// Builds the PRIM data of a test file from labelled records whose words may name other
// records by label (forward or backward), so a test can lay out a whole tree, shared children
// and cycles included, without counting offsets by hand.
#include <cstdint>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "GPLTestFile.h"

namespace VelmoTest
{
class PrimBuilder
{
public:
    // A word of a record: a plain value or the offset of a labelled record.
    struct Word
    {
        Word(std::uint32_t v) : value(v) {}
        std::uint32_t value;
        std::string label;
    };
    static Word Ref(const std::string& label)
    {
        Word w(0);
        w.label = label;
        return w;
    }
    static constexpr std::uint32_t Null = 0xFFFFFFFF;

    // Appends a record; returns its offset (the first record is at 4).
    std::uint32_t Add(const std::string& label, const std::vector<Word>& words)
    {
        m_offsets[label] = m_next;
        m_records.push_back(words);
        std::uint32_t at = m_next;
        m_next += 4 * std::uint32_t(words.size());
        return at;
    }
    std::uint32_t Offset(const std::string& label) const { return m_offsets.at(label); }

    Bytes Build(const std::string& rootLabel) const { return Build(m_offsets.at(rootLabel)); }
    Bytes Build(std::uint32_t rootWord) const
    {
        ByteBuilder b;
        b.U32(rootWord);
        for (const auto& record : m_records)
            for (const Word& w : record)
                b.U32(w.label.empty() ? w.value : m_offsets.at(w.label));
        return b.Get();
    }

    // Record makers.
    static std::vector<Word> ObjectList(const std::vector<Word>& children)
    {
        std::vector<Word> words{4, std::uint32_t(children.size())};
        words.insert(words.end(), children.begin(), children.end());
        return words;
    }
    static std::vector<Word> NumberList(const std::vector<std::uint32_t>& numbers)
    {
        std::vector<Word> words{16, std::uint32_t(numbers.size())};
        words.insert(words.end(), numbers.begin(), numbers.end());
        return words;
    }
    static std::vector<Word> StateValueSetter() { return {20, 1, 2}; }
    static std::vector<Word> VertexFixer() { return {23, 1, 0}; }
    // A locator at plane ids 0..3 with the given siblings, child and located objects.
    static std::vector<Word> Locator(const std::vector<Word>& siblings, Word child, const std::vector<Word>& objects)
    {
        std::vector<Word> words{15};
        for (std::uint32_t i = 0; i < 4; ++i)
        {
            words.push_back(i);
            words.push_back(siblings.at(i));
        }
        words.push_back(child);
        for (std::uint32_t reserved : {0xFFFFFFFFu, 0u, 0u, 0u, 0u})
            words.push_back(reserved);
        words.push_back(std::uint32_t(objects.size()));
        for (std::size_t i = 0; i < objects.size(); ++i)
        {
            for (float f : {1.5f * float(i), 2.0f, -3.0f})
            {
                std::uint32_t bits;
                std::memcpy(&bits, &f, 4);
                words.push_back(bits);
            }
            words.push_back(objects[i]);
        }
        return words;
    }

    // A minimal track whose object-locator list holds the named locators (added by the caller),
    // labelled: top, sections, distances (10 numbers), index, split0.. (each naming the
    // setter "detail" seven times), links0.., detail, locators.
    void AddTrack(const std::vector<std::string>& locators, int sections = 1)
    {
        Add("top", ObjectList({Ref("sections"), Ref("distances")}));
        std::vector<Word> parts{Ref("index")};
        for (int i = 0; i < sections; ++i)
            parts.push_back(Ref("split" + std::to_string(i)));
        parts.push_back(Ref("locators"));
        Add("sections", ObjectList(parts));
        Add("distances", NumberList({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        Add("index", NumberList({0, 1, 2}));
        for (int i = 0; i < sections; ++i)
        {
            std::vector<Word> levels(7, Ref("detail"));
            levels.push_back(Ref("links" + std::to_string(i)));
            Add("split" + std::to_string(i), ObjectList(levels));
            Add("links" + std::to_string(i), NumberList({std::uint32_t(i), 1, 2, 3}));
        }
        Add("detail", StateValueSetter());
        std::vector<Word> list;
        for (const auto& l : locators)
            list.push_back(Ref(l));
        list.push_back(Null);
        Add("locators", ObjectList(list));
    }

    // The words of the record under label as built.
    Bytes RecordOf(const std::string& label) const
    {
        const Bytes all = Build(4);
        std::size_t at = m_offsets.at(label);
        std::size_t size = 0;
        std::uint32_t offset = 4;
        for (const auto& record : m_records)
        {
            if (offset == at)
                size = 4 * record.size();
            offset += 4 * std::uint32_t(record.size());
        }
        return Bytes(all.begin() + std::ptrdiff_t(at), all.begin() + std::ptrdiff_t(at + size));
    }

private:
    std::map<std::string, std::uint32_t> m_offsets;
    std::vector<std::vector<Word>> m_records;
    std::uint32_t m_next = 4;
};

// The bytes a node writes at the given offset.
inline Bytes WrittenBytes(Velmo::Papy::ThreeDObject& node, std::uint32_t offset)
{
    OwnedBuffer out("out", Bytes(1 << 16));
    node.Write(out, offset);
    Bytes bytes = out.GetBytes();
    bytes.resize(std::size_t(out.Tell()));
    return bytes;
}

// The words of a record as bytes.
inline Bytes WordBytes(const std::vector<std::uint32_t>& words)
{
    ByteBuilder b;
    for (std::uint32_t w : words)
        b.U32(w);
    return b.Get();
}

// A file of four planes and one string ("obj") around the given PRIM data.
inline Bytes FileWithPrim(const Bytes& prim, const std::vector<Section>& more = {})
{
    std::vector<Section> sections{
        {"PLAN", Floats4({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}})},
        {"STRN", Bytes{'o', 'b', 'j', 0, 0xFF}},
        {"PRIM", prim},
    };
    sections.insert(sections.end(), more.begin(), more.end());
    return FileBytes(sections);
}
// Loads a file whose PRIM data holds the record under test at offset 4, then a state value
// setter (the anchor, which the record may name) at 4 + the record's size.
inline Velmo::Util::CountedPointer<Velmo::Papy::GPLTdoFile> LoadWithAnchor(const Bytes& record)
{
    Bytes prim = WordBytes({4}) + record + WordBytes({20, 1, 2});
    return Load(FileWithPrim(prim));
}

} // namespace VelmoTest
