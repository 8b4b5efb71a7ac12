#include "Vantrel/Doc/SrbDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CSrbDoc, CVantrelDoc);

void CSrbDoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    CDocumentPattern::Make<Velmo::Papy::MakeSrb>(path, name.GetFileName(), "", m_file);
}
