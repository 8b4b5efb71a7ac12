#include "Vantrel/Doc/CamDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CCamDoc, CVantrelDoc);

void CCamDoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    CDocumentPattern::Make<Velmo::Papy::MakeCam>(path, name.GetFileName(), "", m_file);
}
