#pragma once
// One stored entry of a container file as a stream of its own: a window onto a stretch of
// the container's stream, which it shares with the container and every other open entry.
#include <string>

#include "Util/WindowStream.h"

namespace Velmo::Papy
{
class UncompressedSubFile : public Util::WindowStream
{
public:
    // The entry of size bytes at base in parent, named name. The parent is not touched here.
    UncompressedSubFile(Util::CountedPointer<Util::BinaryStream> parent, std::string name, U64 base, U64 size)
        : WindowStream(std::move(parent), std::move(name), base, size)
    {
    }
};
} // namespace Velmo::Papy
