#include "Vantrel/Doc/PbfDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CPbfDoc, CVantrelDoc);

void CPbfDoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    CDocumentPattern::Make<Velmo::Papy::MakePbf>(path, name.GetFileName(), "", m_file);
}
