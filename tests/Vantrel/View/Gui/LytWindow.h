#pragma once
// What the layout window's GUI suites share: a fixture that opens a copy of a layout of the
// independent generator (race.py), selects controls in its tree, edits values in its list as
// the list's editor does, and reads back the saved file and the generator's files.
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <wx/dataview.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/View/LytListView.h"
#include "Vantrel/View/LytTreeView.h"

class LytWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = FileViewsGui::Copy(folder, "lyt", "screen.lyt", "gpl/Screens/screen.lyt");
        OpenLayout();
    }
    void TearDown() override
    {
        if (document != nullptr)
            document->Modify(false);
        GuiTest::CloseAll();
    }

    void OpenLayout()
    {
        document = dynamic_cast<CLytDoc*>(GuiTest::Open(path));
        ASSERT_NE(document, nullptr);
        tree = GuiTest::ViewOf<CLytTreeView>(document);
        list = GuiTest::ViewOf<CLytListView>(document);
        ASSERT_NE(tree, nullptr);
        ASSERT_NE(list, nullptr);
    }
    // Selects a control in the tree as a click would, and waits for the list to show it.
    void Select(int control)
    {
        tree->SelectControl(control);
        ASSERT_TRUE(GuiTest::PumpUntil([&] { return list->GetShownControl() == control; })) << control;
    }
    // Ends an in-place edit of a value as the list's editor does, and waits for the list to be
    // built again. Answers whether the event let the control keep the typed text.
    bool EndEdit(int row, const std::string& text)
    {
        wxDataViewListCtrl* control = list->GetList();
        wxDataViewEvent event(wxEVT_DATAVIEW_ITEM_EDITING_DONE, control, control->GetColumn(1), control->RowToItem(row));
        event.SetValue(wxVariant(wxString::FromUTF8(text)));
        control->ProcessWindowEvent(event);
        const bool allowed = event.IsAllowed();
        GuiTest::Pump();
        return allowed;
    }
    std::string Value(int row) const { return list->GetRows()[std::size_t(row)].second; }
    std::string Saved() const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string Generated(const std::string& name)
    {
        return FileViewsTest::ReadText(FileViewsGui::Samples("lyt") + "/" + name);
    }

    VelmoTest::TempFolder folder;
    std::string path;
    CLytDoc* document = nullptr;
    CLytTreeView* tree = nullptr;
    CLytListView* list = nullptr;
};
