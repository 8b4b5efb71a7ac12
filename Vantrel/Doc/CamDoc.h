#pragma once
// The document of a camera file (".cam"): its cameras, from the MakeCam facet of its folder.
// It is read only: it refuses to save and never asks to.
#include "Papy/Race/CamFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CCamDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::CamFile> File;

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }

protected:
    void Open(const std::string& path) override;

private:
    File m_file;

    wxDECLARE_DYNAMIC_CLASS(CCamDoc);
};
