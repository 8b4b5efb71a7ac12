#pragma once
// The document of a scaled bitmap file (".srb", ".pmp"): the file from the MakeSrb facet of its folder.
// It is read only: it refuses to save and never asks to.
#include "Papy/Bitmap/SrbFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CSrbDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::SrbFile> File;

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }

protected:
    void Open(const std::string& path) override;

private:
    File m_file;

    wxDECLARE_DYNAMIC_CLASS(CSrbDoc);
};
