#include "Vantrel/Doc/MipDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CMipDoc, CVantrelDoc);

void CMipDoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    CDocumentPattern::Make<Velmo::Papy::MakeMip>(path, name.GetFileName(), name.GetExtension(), m_file);
}
