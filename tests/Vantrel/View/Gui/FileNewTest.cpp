// Documents made by File New have no file object: their panes show nothing and offer nothing,
// without a message. All but the layout are read-only; none enters the recent-file list.
#include <gtest/gtest.h>

#include <wx/dataview.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "GuiKit.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/View/BitmapCanvas.h"
#include "Vantrel/View/BitmapView.h"
#include "Vantrel/View/CamView.h"
#include "Vantrel/View/LytListView.h"
#include "Vantrel/View/LytTreeView.h"

using namespace GuiTest;

TEST(FileNew, EmptyDocumentsShowEmptyPanes)
{
    for (int id : {134, 135, 136, 137, 141})
    {
        SCOPED_TRACE(id);
        wxDocument* created = Manager().FindTemplateById(id)->CreateDocument(wxString(), wxDOC_NEW);
        ASSERT_NE(created, nullptr);
        EXPECT_TRUE(created->OnNewDocument());
        Pump();
        auto* document = dynamic_cast<CVantrelDoc*>(created);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->IsReadOnly(), id != 141);
        EXPECT_FALSE(document->AddsToHistory("/games/gpl/new"));
        if (auto* bitmap = ViewOf<CBitmapView>(created))
        {
            EXPECT_EQ(bitmap->GetCanvas()->GetModel(), nullptr);
            EXPECT_TRUE(bitmap->GetCanvas()->GetItems().empty());
        }
        else if (auto* camera = ViewOf<CCamView>(created))
        {
            EXPECT_EQ(camera->GetText()->GetValue(), "");
        }
        else
        {
            auto* tree = ViewOf<CLytTreeView>(created);
            auto* list = ViewOf<CLytListView>(created);
            ASSERT_NE(tree, nullptr);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(tree->GetTree()->GetChildrenCount(tree->GetTree()->GetRootItem()), 0u);
            EXPECT_TRUE(list->GetRows().empty());
            tree->GetChildFrame()->UpdateMenus();
            for (int command : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE})
                EXPECT_FALSE(tree->GetChildFrame()->GetMenuBar()->IsEnabled(command)) << command;
        }
        // Closing asks nothing: a question would fail the test (and keep the window).
        Command(ID_FILE_CLOSE);
        Pump();
        EXPECT_EQ(DocumentCount(), 0);
    }
}
