#pragma once
// One stored entry of a container file as a stream of its own: a window onto a stretch of
// the container's stream, which it shares with the container and every other open entry.
#include <string>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class UncompressedSubFile : public Util::BinaryStream
{
public:
    // The entry of size bytes at base in parent, named name. The parent is not touched here.
    UncompressedSubFile(Util::CountedPointer<Util::BinaryStream> parent, std::string name, U64 base, U64 size);

    void Read(U32 count, void* buffer) override;
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }

private:
    Util::CountedPointer<Util::BinaryStream> m_parent;
    std::string m_name;
    U64 m_size;
    U64 m_base;
    U64 m_position;
};
} // namespace Velmo::Papy
