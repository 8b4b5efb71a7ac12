#pragma once
// A stream that hands every operation to another stream it does not own, for writers that take
// their stream as a counted pointer while the caller keeps the stream itself.
#include "Util/BinaryStream.h"

class CBorrowedStream : public Velmo::Util::BinaryStream
{
public:
    explicit CBorrowedStream(Velmo::Util::BinaryStream& stream) : m_stream(stream) {}

    void Read(Velmo::U32 count, void* buffer) override { m_stream.Read(count, buffer); }
    void Write(Velmo::U32 count, const void* data) override { m_stream.Write(count, data); }
    Velmo::U64 Tell() const override { return m_stream.Tell(); }
    void Seek(Velmo::U64 position) override { m_stream.Seek(position); }
    Velmo::U64 Size() const override { return m_stream.Size(); }
    bool AtEnd() const override { return m_stream.AtEnd(); }
    std::string GetName() const override { return m_stream.GetName(); }
    void Flush() override { m_stream.Flush(); }

private:
    Velmo::Util::BinaryStream& m_stream;
};
