#pragma once
// A window onto a stretch of a parent stream: size bytes from base, with a position of its
// own. The parent is shared (with its owner and other windows), so every transfer positions
// it first. Reads and writes past the window's end fail under the window's name.
#include <string>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Util
{
class WindowStream : public BinaryStream
{
public:
    // The window of size bytes at base in parent, named name. The parent is not touched here.
    WindowStream(CountedPointer<BinaryStream> parent, std::string name, U64 base, U64 size);

    void Read(U32 count, void* buffer) override;
    // A window never grows: writing past its end fails.
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }

    U64 GetBase() const { return m_base; }

private:
    template <class Error, class Transfer>
    void Move(U32 count, Transfer transfer);

    CountedPointer<BinaryStream> m_parent;
    std::string m_name;
    U64 m_size;
    U64 m_base;
    U64 m_position;
};
} // namespace Velmo::Util
