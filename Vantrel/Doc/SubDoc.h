#pragma once
// The document of the hexadecimal dump: any file, opened for reading. Views never touch the
// file: they ask for its size and read the bytes they show.
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CSubDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> Stream;

    Stream GetStream() const { return m_stream; }
    // The stream's size; 0 without one.
    Velmo::U64 GetSize() const;
    // Reads up to count bytes at offset, clamped to the end; returns the count read.
    Velmo::U32 ReadAt(Velmo::U64 offset, Velmo::U32 count, void* buffer);

    // A path "a|b" names the document b, which does not enter the recent-file list.
    void SetPathName(const std::string& path) override;
    // Hexadecimal dumps (and the DAT containers, which inherit this) enter the recent-file list,
    // unless the path names a container's entry. A subclass that stays out overrides it.
    bool AddsToHistory(const std::string& path) const override;

protected:
    void Open(const std::string& path) override;

private:
    Stream m_stream;

    wxDECLARE_DYNAMIC_CLASS(CSubDoc);
};
