#pragma once
// The document of a multipart bitmap file (".mip", ".m16"): the file from the MakeMip facet of its
// folder, asked with the path's extension (a ".m16" file as "m16").
// It is read only: it refuses to save and never asks to.
#include "Papy/Bitmap/MipFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CMipDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::MipFile> File;

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }

protected:
    void Open(const std::string& path) override;

private:
    File m_file;

    wxDECLARE_DYNAMIC_CLASS(CMipDoc);
};
