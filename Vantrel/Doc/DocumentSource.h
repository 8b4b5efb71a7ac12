#pragma once
// Where the documents get their file objects from. The hexadecimal dump opens any file as a
// plain file; the tests put their own sources in to open files that fail or take long.
#include <functional>
#include <string>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

class CDocumentSource
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> Stream;
    typedef std::function<Stream(const std::string& path)> StreamMaker;

    // The stream of a hexadecimal dump: the MakeUnknown object of the folder's factory when the
    // registry is in use, else the file of the path's folder (resolved without regard to case)
    // opened for reading.
    static Stream MakeUnknown(const std::string& path);
    // Replaces the maker (an empty one restores the plain file); returns the previous one.
    static StreamMaker SetUnknownMaker(StreamMaker maker);
};
