#include "Vantrel/App/MemoryReturn.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <wx/app.h>
#include <wx/docview.h>
#include <wx/event.h>

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Vantrel/Doc/DocumentPattern.h"

namespace
{
int returns = 0;
}

void CMemoryReturn::OnIdle(wxIdleEvent& event)
{
    const std::size_t documents = m_manager.GetDocumentsVector().size();
    if (documents < m_documents)
        m_due = true;
    m_documents = documents;
    if (!m_due)
        return;
    // The closed windows (and the images they hold) go first, at the end of an idle turn.
    if (!wxPendingDelete.IsEmpty())
    {
        event.RequestMore();
        return;
    }
    m_due = false;
    Return();
}

void CMemoryReturn::Return()
{
    if (CDocumentPattern::UsesRegistry())
        Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    ++returns;
}

int CMemoryReturn::GetReturnCount()
{
    return returns;
}
