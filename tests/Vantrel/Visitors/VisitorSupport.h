#pragma once
// What the visitor tests share: the tree in memory, a row sink that keeps the rows, and the
// expected rows kept under tests/data/visitors.
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FakeTree.h"
#include "Vantrel/Visitors/ThreeDObjectRowSink.h"

namespace VelmoTest
{
typedef std::vector<std::pair<std::string, std::string>> Rows;

class RowCollector : public ThreeDObjectRowSink
{
public:
    void AddRow(const std::string& label, const std::string& value) override { rows.emplace_back(label, value); }
    Rows rows;
};

// The rows as lines "label<TAB>value".
inline std::string RowText(const Rows& rows)
{
    std::string text;
    for (const auto& [label, value] : rows)
        text += label + "\t" + value + "\n";
    return text;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The expected rows kept under tests/data/visitors.
inline std::string ExpectedRows(const std::string& name)
{
    return ReadFile(std::string(VELMO_TEST_SOURCE_DIR) + "/data/visitors/" + name);
}
} // namespace VelmoTest
