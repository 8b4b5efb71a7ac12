// The node table of a GPL .3do file against an ordered map of the same entries: iteration in
// the order of the ids taken as unsigned, look-ups, positions found by id and replacement, for
// records and other ids mixed in every way a file and its editor can mix them.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Papy/GPL/GPLNodeTable.h"
#include "Papy/GPL/GPLNull.h"

using namespace Velmo::Papy;
using Velmo::U32;

namespace
{
typedef GPLNodeTable::Node Node;
typedef std::map<int, const ThreeDObject*, GPLNodeTable::IdOrder> Model;
typedef std::vector<std::pair<int, const ThreeDObject*>> Sequence;

Node MakeNode(int id)
{
    return Node(new GPLNull(id, 0));
}

// At most count entries from a position on (all of them when count is 0).
Sequence FromTable(GPLNodeTable::const_iterator from, const GPLNodeTable& table, std::size_t count = 0)
{
    Sequence s;
    for (auto p = from; p != table.end() && (count == 0 || s.size() < count); ++p)
        s.emplace_back(p->first, p->second.Get());
    return s;
}

Sequence FromModel(Model::const_iterator from, const Model& model, std::size_t count = 0)
{
    Sequence s;
    for (auto p = from; p != model.end() && (count == 0 || s.size() < count); ++p)
        s.emplace_back(*p);
    return s;
}

// Compares everything the table answers with the model; absent: ids the table must not know.
void ExpectSame(const GPLNodeTable& table, const Model& model, const std::vector<int>& absent,
                const std::string& name)
{
    ASSERT_EQ(table.size(), model.size()) << name;
    EXPECT_EQ(table.empty(), model.empty()) << name;
    ASSERT_EQ(FromTable(table.begin(), table), FromModel(model.begin(), model)) << name;
    std::size_t i = 0;
    for (auto p = model.begin(); p != model.end(); ++p, ++i)
    {
        const Node* node = table.Find(p->first);
        ASSERT_NE(node, nullptr) << name << ", id " << p->first;
        EXPECT_EQ(node->Get(), p->second) << name << ", id " << p->first;
        // A position found by id goes on in id order (to the end, for some of them).
        const std::size_t count = i % 512 == 0 || model.size() - i < 8 ? 0 : 4;
        EXPECT_EQ(FromTable(table.find(p->first), table, count), FromModel(p, model, count))
            << name << ", id " << p->first;
    }
    for (int id : absent)
        if (model.count(id) == 0)
        {
            EXPECT_EQ(table.Find(id), nullptr) << name << ", id " << id;
            EXPECT_TRUE(table.find(id) == table.end()) << name << ", id " << id;
            EXPECT_EQ(table.RecordSlot(id), GPLNodeTable::NoRecord) << name << ", id " << id;
        }
}
} // namespace

TEST(GPLNodeTable, AgreesWithAnOrderedMap)
{
    struct Case
    {
        const char* name;
        U32 sectionSize;
        std::vector<U32> records; // added as records, in this order
        std::vector<int> others;  // entered afterwards
        std::vector<int> absent;
    };
    std::vector<U32> dense;
    for (U32 at = 4; at < 4 * 9000; at += 4)
        dense.push_back(at);
    const std::vector<Case> cases = {
        {"no section", 0, {}, {-1, -2, -3, -4, 0x40000004, 8}, {0, 4, 12, -5}},
        {"records only, across groups", 1024, {4, 8, 252, 256, 260, 508, 512, 1020}, {}, {0, 12, 2, 6, 516, 1024, 4096, -1}},
        // More records than one block holds, so that positions cross blocks.
        {"records over several blocks", 4 * 9000, dense, {-1, -2, -3}, {0, 2, 4 * 9000, 4 * 9001, 0x40000004}},
        // Groups of 64 words without a record, before and between records.
        {"empty groups", 8192, {4000, 4004, 8188}, {-1, -2}, {0, 4, 256, 3996, 4008, 8192}},
        // Ids that look like offsets but are no records: between records, not a multiple of 4,
        // out of order, beyond the section: the table keeps them in order with the rest.
        {"other ids among the records", 512, {4, 16, 64, 6, 8, 600, 128}, {12, 0, 96, 0x40000008, -3, -1, -2},
         {20, 24, 132, 512, 0x40000004}},
    };
    for (const Case& c : cases)
    {
        GPLNodeTable table;
        Model model;
        std::vector<Node> held;
        table.StartRecords(c.sectionSize);
        for (U32 at : c.records)
        {
            held.push_back(MakeNode(int(at)));
            table.AddRecord(at, held.back());
            model[int(at)] = held.back().Get();
        }
        for (int id : c.others)
        {
            held.push_back(MakeNode(id));
            table.Enter(id, held.back());
            model[id] = held.back().Get();
        }
        ExpectSame(table, model, c.absent, c.name);

        // Replacing every node keeps every position.
        for (const auto& [id, node] : Model(model))
        {
            held.push_back(MakeNode(id));
            table.Enter(id, held.back());
            model[id] = held.back().Get();
        }
        ExpectSame(table, model, c.absent, std::string(c.name) + ", replaced");
    }
}

TEST(GPLNodeTable, RecordPositionsFollowTheOffsets)
{
    // A random file's worth of records in a 32 Ki-word section, and other ids entered later,
    // some of them offsets inside the section that hold no record.
    std::mt19937 rnd(31);
    const U32 words = 1u << 15;
    GPLNodeTable table;
    Model model;
    std::vector<Node> held;
    std::vector<int> absent;
    table.StartRecords(4 * words);
    std::vector<U32> records;
    for (U32 word = 1; word < words; ++word)
        if (rnd() % 3 == 0)
            records.push_back(4 * word);
        else if (rnd() % 64 == 0)
            absent.push_back(int(4 * word));
    for (U32 at : records)
    {
        held.push_back(MakeNode(int(at)));
        table.AddRecord(at, held.back());
        model[int(at)] = held.back().Get();
    }
    for (int i = 0; i < 200; ++i)
    {
        const int id = i % 2 == 0 ? int(4 * (rnd() % words) + 2) : int(rnd());
        held.push_back(MakeNode(id));
        table.Enter(id, held.back());
        model[id] = held.back().Get();
    }
    ASSERT_EQ(table.RecordCount(), records.size());
    for (std::size_t i = 0; i < records.size(); i += 97)
    {
        EXPECT_EQ(table.RecordSlot(int(records[i])), i);
        EXPECT_EQ(U32(table.Record(i).first), records[i]);
    }
    ExpectSame(table, model, absent, "random");
}
