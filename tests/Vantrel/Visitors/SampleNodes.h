// The sample files of the independent generators as the visitors' tests read them: a file's
// bytes as a stream, and every node a walk reaches.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CharBuffer.h"
#include "Util/CountedPointer.h"
#include "VisitorSupport.h"

namespace VelmoTest
{
// A stream over a file's bytes, kept in bytes (which must outlive the stream).
inline Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> StreamOfFile(const std::string& path,
                                                                          std::string& bytes)
{
    bytes = ReadFile(path);
    EXPECT_FALSE(bytes.empty()) << path;
    auto* buffer = new Velmo::Util::CharBuffer(path);
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(Velmo::U32(bytes.size()), reinterpret_cast<const Velmo::U8*>(bytes.data()));
    return stream;
}

// Every node a walk from the node reaches (the located objects included), each once.
class Collector : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool Enter(Velmo::Papy::ThreeDObject& node) override { return Add(node); }
    void Visit(Velmo::Papy::ThreeDObject& node) override { Add(node); }
    bool BeforeObjectLocatorSibling(Velmo::Papy::ThreeDObjectObjectLocator&, int) override { return true; }
    std::vector<Velmo::Papy::ThreeDObject*> nodes;

private:
    bool Add(Velmo::Papy::ThreeDObject& node)
    {
        if (!seen.insert(&node).second)
            return false;
        nodes.push_back(&node);
        return true;
    }
    std::set<Velmo::Papy::ThreeDObject*> seen;
};
} // namespace VelmoTest
