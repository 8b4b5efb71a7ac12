#include "Vantrel/View/CamView.h"

#include <wx/textctrl.h>
#include <wx/utils.h>

#include "Vantrel/Doc/CamDoc.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Rows/CamText.h"

wxIMPLEMENT_DYNAMIC_CLASS(CCamView, CVantrelView);

wxWindow* CCamView::CreatePane(wxWindow* parent)
{
    m_text = new wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxVSCROLL);
    m_text->SetFont(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE));
    return m_text;
}

void CCamView::OnInitialUpdate()
{
    auto* document = dynamic_cast<CCamDoc*>(GetDocument());
    if (document == nullptr || m_text == nullptr)
        return;
    wxBusyCursor wait;
    std::string text;
    // The pane keeps its empty text when the file fails.
    if (CCatchPattern::Run([&] {
            CCamDoc::File file = document->GetFile();
            if (file)
                text = CamText::Make(*file);
        }))
        m_text->ChangeValue(wxString::FromUTF8(text));
}
