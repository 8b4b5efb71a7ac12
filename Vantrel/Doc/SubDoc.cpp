#include "Vantrel/Doc/SubDoc.h"

#include "Vantrel/Doc/DocumentSource.h"
#include "Vantrel/Doc/ReadAt.h"

wxIMPLEMENT_DYNAMIC_CLASS(CSubDoc, CVantrelDoc);

Velmo::U64 CSubDoc::GetSize() const
{
    return m_stream.Get() != nullptr ? m_stream->Size() : 0;
}

Velmo::U32 CSubDoc::ReadAt(Velmo::U64 offset, Velmo::U32 count, void* buffer)
{
    return ReadStreamAt(m_stream.Get(), offset, count, buffer);
}

void CSubDoc::Open(const std::string& path)
{
    Stream stream = CDocumentSource::MakeUnknown(path);
    m_stream = stream;
}

void CSubDoc::SetPathName(const std::string& path)
{
    const std::size_t bar = path.find('|');
    CVantrelDoc::SetPathName(bar == std::string::npos ? path : path.substr(bar + 1));
}

bool CSubDoc::AddsToHistory(const std::string& path) const
{
    return path.find('|') == std::string::npos;
}
