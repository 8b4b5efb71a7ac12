#pragma once
// The document of a pure bitmap file (".pbf", ".stp"): the file from the MakePbf facet of its folder.
// It is read only: it refuses to save and never asks to.
#include "Papy/Bitmap/PbfFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CPbfDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::PbfFile> File;

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }

protected:
    void Open(const std::string& path) override;

private:
    File m_file;

    wxDECLARE_DYNAMIC_CLASS(CPbfDoc);
};
