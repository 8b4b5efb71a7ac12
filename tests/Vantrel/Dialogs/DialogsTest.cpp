// The dialogs as a user meets them: their titles, labels and control ids, what their fields
// accept, the messages and focus of a refused value, MaxLength, NoZ and Cancel.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "DialogScript.h"
#include "Papy/Model/Colour.h"
#include "Vantrel/Dialogs/BoundsDlg.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/EditBoolDlg.h"
#include "Vantrel/Dialogs/EditColourDlg.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Dialogs/EditIntDlg.h"
#include "Vantrel/Dialogs/EditStringDlg.h"
#include "Vantrel/Dialogs/EditVertexDlg.h"
#include "Vantrel/Dialogs/FindIdDlg.h"
#include "Vantrel/Dialogs/ValueEditDialogs.h"
#include "Vantrel/Dialogs/ViewpointDlg.h"

using namespace DialogTest;

namespace
{
// The controls of a dialog in order: "text 1000", "label Value Name", "button 1 OK", ...
std::vector<std::string> Controls(wxWindow& dialog)
{
    std::vector<std::string> controls;
    for (wxWindow* child : dialog.GetChildren())
    {
        const std::string id = std::to_string(child->GetId());
        const std::string label = child->GetLabel().utf8_string();
        if (dynamic_cast<wxStaticText*>(child))
            controls.push_back("label " + label);
        else if (dynamic_cast<wxStaticBox*>(child))
            controls.push_back("group " + label);
        else if (dynamic_cast<wxCheckBox*>(child))
            controls.push_back("check " + id + " " + label);
        else if (dynamic_cast<wxButton*>(child))
            controls.push_back("button " + id + " " + label);
        else if (dynamic_cast<wxComboBox*>(child))
            controls.push_back("combo " + id);
        else if (dynamic_cast<wxTextCtrl*>(child))
            controls.push_back("text " + id);
        else
            controls.push_back("other " + id);
    }
    return controls;
}

template <class Dialog>
std::unique_ptr<Dialog, void (*)(Dialog*)> Make()
{
    return {new Dialog(nullptr), [](Dialog* d) { d->Destroy(); }};
}

// Shows a dialog modelessly and fills its fields from its members.
template <class Dialog>
void Open(Dialog& dialog)
{
    dialog.Show();
    dialog.TransferDataToWindow();
    EXPECT_TRUE(PumpUntil([&dialog] { return dialog.IsShownOnScreen(); })) << "the dialog on the screen";
}
} // namespace

// The dialogs as the program builds them: the value editors through the service that the field
// editor calls (each shown modally under its caption, answered with Cancel), the others made as
// their panes make them. Their titles, and their controls in the order they are made (the order
// the keyboard visits them).
TEST(Dialogs, TitlesLabelsAndControlIds)
{
    const std::vector<std::string> okCancel = {"button 1 OK", "button 2 Cancel"};
    auto with = [&](std::vector<std::string> controls) {
        controls.insert(controls.end(), okCancel.begin(), okCancel.end());
        return controls;
    };
    const std::vector<std::string> valueField = {"label Value Name", "text 1000", "label Value Data", "text 1001"};
    const struct
    {
        const char* title;
        std::function<bool(CValueEditDialogs&)> run;
        std::vector<std::string> controls;
    } editors[] = {
        {"Edit Boolean",
         [](CValueEditDialogs& d) {
             bool value = true;
             return d.EditBool("Use Wind Direction", value);
         },
         with({"label Value Name", "text 1000", "check 1001 Value Data"})},
        {"Edit Colour",
         [](CValueEditDialogs& d) {
             Velmo::Papy::Colour value(1, 0.5f, 0.25f, 1);
             return d.EditColour("Shade 0", value);
         },
         with({"label Value Name", "text 1000", "label Red", "text 1011", "label Green", "text 1012", "label Blue",
               "text 1013", "label Alpha", "text 1014"})},
        {"Edit Float",
         [](CValueEditDialogs& d) {
             double value = 2.5;
             return d.EditFloat("Scale", value);
         },
         with(valueField)},
        {"Edit Integer",
         [](CValueEditDialogs& d) {
             int value = 3;
             return d.EditInt("Count", value, 0, 65535);
         },
         with(valueField)},
        {"Edit String",
         [](CValueEditDialogs& d) {
             std::string value = "wheel";
             return d.EditString("Name", value, 255);
         },
         with(valueField)},
        {"Edit Vertex",
         [](CValueEditDialogs& d) {
             double x = 1, y = 2, z = 3;
             return d.EditVertex("Vertex 0", x, y, z, false);
         },
         with({"label Value Name", "text 1000", "label X", "text 1004", "label Y", "text 1002", "label Z",
               "text 1003"})},
    };
    for (const auto& e : editors)
    {
        SCOPED_TRACE(e.title);
        Script script;
        std::string title;
        std::vector<std::string> controls;
        script.onShow = [&](wxDialog& dialog) {
            title = dialog.GetTitle().utf8_string();
            controls = Controls(dialog);
            Click(dialog, DialogId::Cancel);
        };
        CValueEditDialogs dialogs(nullptr);
        EXPECT_FALSE(e.run(dialogs));
        EXPECT_EQ(title, e.title);
        EXPECT_EQ(controls, e.controls);
        EXPECT_TRUE(script.messages.empty());
    }

    const struct
    {
        std::function<wxDialog*()> make;
        const char* title;
        std::vector<std::string> controls;
    } cases[] = {
        {[] { return new CFindIdDlg(nullptr); }, "Find Id", with({"label Id", "text 1005"})},
        {[] { return new CBoundsDlg(nullptr); }, "Bounds",
         {"label X", "text 1000", "text 1001", "label Y", "text 1002", "text 1003", "label Z", "text 1004",
          "text 1005", "button 1 Close"}},
        {[] { return new CViewpointDlg(nullptr); }, "Viewpoint",
         with({"label From", "label To", "label X", "text 1001", "text 1002", "label Y", "text 1003", "text 1004",
               "label Z", "text 1005", "text 1006", "label Vertical", "combo 1010", "group Clip", "label Near",
               "text 1007", "label Far", "text 1008"})},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.title);
        wxDialog* dialog = c.make();
        EXPECT_EQ(dialog->GetTitle(), c.title);
        EXPECT_EQ(Controls(*dialog), c.controls);
        dialog->Destroy();
    }

    auto viewpoint = Make<CViewpointDlg>();
    auto* box = dynamic_cast<wxComboBox*>(viewpoint->FindWindow(CViewpointDlg::VerticalId));
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> items = {"Positive Z", "Positive Y", "Positive X",
                                            "Negative Z", "Negative Y", "Negative X"};
    ASSERT_EQ(box->GetCount(), items.size());
    for (unsigned i = 0; i < items.size(); ++i)
        EXPECT_EQ(box->GetString(i).utf8_string(), items[i]);
    viewpoint->Vertical = 4;
    viewpoint->Near = 0.5;
    viewpoint->FromY = -2;
    viewpoint->TransferDataToWindow();
    EXPECT_EQ(box->GetSelection(), 4);
    EXPECT_EQ(Text(*viewpoint, CViewpointDlg::NearId).GetValue(), "0.5");
    EXPECT_EQ(Text(*viewpoint, CViewpointDlg::FromYId).GetValue(), "-2");

    // Bounds: the first three values are the maximums, shown right of the minimums.
    auto bounds = Make<CBoundsDlg>();
    bounds->MaxX = 3;
    bounds->MinX = -1.25;
    bounds->MaxZ = 1e-9;
    bounds->TransferDataToWindow();
    EXPECT_EQ(Text(*bounds, 1001).GetValue(), "3");
    EXPECT_EQ(Text(*bounds, 1000).GetValue(), "-1.25");
    EXPECT_EQ(Text(*bounds, 1005).GetValue(), "1e-09");
}

TEST(Dialogs, ColourComponentsOutsideZeroToOneAreRefused)
{
    const struct
    {
        const char* text;
        const char* message;
    } cases[] = {
        {"1.5", "Please enter a number between 0 and 1."},
        {"-0.1", "Please enter a number between 0 and 1."},
        {"abc", "Please enter a number."},
        {"", "Please enter a number."},
        {"0", nullptr},
        {"1", nullptr},
        {" 0.25 ", nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        auto dialog = Make<CEditColourDlg>();
        dialog->Green = 0.5f;
        Open(*dialog);
        EXPECT_EQ(Text(*dialog, CEditColourDlg::GreenId).GetValue(), "0.5");
        Text(*dialog, CEditColourDlg::GreenId).SetValue(wxString::FromUTF8(c.text));
        Script script;
        const bool accepted = dialog->Validate();
        EXPECT_EQ(accepted, c.message == nullptr);
        if (c.message != nullptr)
        {
            EXPECT_EQ(script.messages, std::vector<std::string>{c.message});
            PumpUntil([] { return FocusId() == CEditColourDlg::GreenId; });
            EXPECT_EQ(FocusId(), CEditColourDlg::GreenId) << "focus on the field";
            EXPECT_EQ(dialog->Green, 0.5f);
        }
        else
        {
            EXPECT_TRUE(script.messages.empty());
            EXPECT_TRUE(dialog->TransferDataFromWindow());
            EXPECT_EQ(dialog->Green, std::stof(c.text));
        }
    }
}

TEST(Dialogs, TheFirstRefusedFieldInExchangeOrderSpeaks)
{
    auto dialog = Make<CEditColourDlg>();
    Open(*dialog);
    Text(*dialog, CEditColourDlg::AlphaId).SetValue("x");
    Text(*dialog, CEditColourDlg::RedId).SetValue("2");
    Script script;
    EXPECT_FALSE(dialog->Validate());
    EXPECT_EQ(script.messages, std::vector<std::string>{"Please enter a number between 0 and 1."});
    // Nothing is written while a field is refused.
    EXPECT_EQ(dialog->Red, 1.0f);
    EXPECT_EQ(dialog->Alpha, 1.0f);
}

// Each dialog checks its fields in its exchange order: with every field refused, OK speaks of
// one field at a time (the focus goes to it) until each is mended, in that order.
TEST(Dialogs, FieldsAreCheckedInExchangeOrder)
{
    const struct
    {
        const char* name;
        std::function<wxDialog*()> make;
        const char* message;
        std::vector<int> order;
    } cases[] = {
        {"colour", [] { return new CEditColourDlg; }, "Please enter a number.", {1011, 1012, 1013, 1014}},
        {"float", [] { return new CEditFloatDlg; }, "Please enter a number.", {1001}},
        {"integer", [] { return new CEditIntDlg; }, "Please enter an integer.", {1001}},
        {"vertex", [] { return new CEditVertexDlg; }, "Please enter a number.", {1004, 1002, 1003}},
        {"find", [] { return new CFindIdDlg; }, "Please enter an integer.", {1005}},
        {"bounds", [] { return new CBoundsDlg; }, "Please enter a number.", {1001, 1003, 1005, 1000, 1002, 1004}},
        {"viewpoint", [] { return new CViewpointDlg; }, "Please enter a number.",
         {1007, 1001, 1003, 1005, 1002, 1004, 1006, 1008}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<wxDialog, void (*)(wxDialog*)> dialog(c.make(), [](wxDialog* d) { d->Destroy(); });
        Open(*dialog);
        // Every text field refused (a caption accepts anything).
        for (wxWindow* child : dialog->GetChildren())
            if (auto* text = dynamic_cast<wxTextCtrl*>(child))
                text->SetValue("x");
        std::vector<int> order;
        std::vector<std::string> messages;
        for (std::size_t step = 0; step < 20; ++step)
        {
            Script script;
            const bool accepted = dialog->Validate();
            messages.insert(messages.end(), script.messages.begin(), script.messages.end());
            if (accepted)
                break;
            // The focus on a refused field (all of them still hold "x").
            const auto refused = [&dialog] {
                auto* text = dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus());
                return text != nullptr && text->GetParent() == dialog.get() && text->GetValue() == "x";
            };
            ASSERT_TRUE(PumpUntil(refused)) << "focus on a refused field, step " << step;
            order.push_back(FocusId());
            Text(*dialog, FocusId()).SetValue("1");
        }
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(messages, std::vector<std::string>(c.order.size(), c.message));
    }
}

TEST(Dialogs, NumbersAndIntegers)
{
    auto floats = Make<CEditFloatDlg>();
    floats->Value = 0.1 + 0.2;
    Open(*floats);
    EXPECT_EQ(Text(*floats, CEditFloatDlg::ValueId).GetValue(), "0.3");
    Text(*floats, CEditFloatDlg::ValueId).SetValue("1,5");
    {
        Script script;
        EXPECT_FALSE(floats->Validate());
        EXPECT_EQ(script.messages, std::vector<std::string>{"Please enter a number."});
    }
    Text(*floats, CEditFloatDlg::ValueId).SetValue("-1.25e2");
    EXPECT_TRUE(floats->Validate());
    EXPECT_TRUE(floats->TransferDataFromWindow());
    EXPECT_EQ(floats->Value, -125);

    auto find = Make<CFindIdDlg>();
    Open(*find);
    EXPECT_EQ(Text(*find, CFindIdDlg::IdId).GetValue(), "0");
    Text(*find, CFindIdDlg::IdId).SetValue("1.5");
    {
        Script script;
        EXPECT_FALSE(find->Validate());
        EXPECT_EQ(script.messages, std::vector<std::string>{"Please enter an integer."});
    }
    Text(*find, CFindIdDlg::IdId).SetValue("1073741828");
    EXPECT_TRUE(find->TransferDataFromWindow());
    EXPECT_EQ(find->Id, 1073741828);
}

TEST(Dialogs, TypingStopsAtMaxLength)
{
    auto dialog = Make<CEditStringDlg>();
    dialog->MaxLength = 8;
    dialog->Value = "ab";
    dialog->Caption = "MIP";
    Open(*dialog);
    wxTextCtrl& text = Text(*dialog, CEditStringDlg::ValueId);
    EXPECT_EQ(Text(*dialog, CEditStringDlg::CaptionId).GetValue(), "MIP");
    text.SetFocus();
    text.SetInsertionPointEnd();
    for (const char* key : {"c", "d", "e", "f", "g", "h", "i", "j"})
        text.WriteText(key);
    PumpUntil([&text] { return text.GetValue() == "abcdefgh"; });
    EXPECT_EQ(text.GetValue(), "abcdefgh");
    // A paste past the end is cut too; characters outside the code page do not get in.
    text.SetValue(wxString::FromUTF8("\xCE\xA9x\xE2\x82\xAC" "123456789"));
    EXPECT_EQ(text.GetValue().utf8_string(), "x\xE2\x82\xAC" "123456");
    EXPECT_TRUE(dialog->TransferDataFromWindow());
    EXPECT_EQ(dialog->Value, "x\x80" "123456");

    // A text given longer than MaxLength comes back whole unless changed; the first change
    // cuts it. A negative MaxLength allows nothing.
    auto longer = Make<CEditStringDlg>();
    longer->MaxLength = 3;
    longer->Value = "abcdef";
    Open(*longer);
    EXPECT_EQ(Text(*longer, CEditStringDlg::ValueId).GetValue(), "abcdef");
    EXPECT_TRUE(longer->TransferDataFromWindow());
    EXPECT_EQ(longer->Value, "abcdef");
    Text(*longer, CEditStringDlg::ValueId).SetInsertionPointEnd();
    Text(*longer, CEditStringDlg::ValueId).WriteText("g");
    EXPECT_EQ(Text(*longer, CEditStringDlg::ValueId).GetValue(), "abc");
    auto none = Make<CEditStringDlg>();
    none->MaxLength = -2;
    none->Value = "abc";
    Open(*none);
    Text(*none, CEditStringDlg::ValueId).WriteText("z");
    EXPECT_EQ(Text(*none, CEditStringDlg::ValueId).GetValue(), "");
}

TEST(Dialogs, NoZGreysZAndReturnsTheGivenZ)
{
    Script script;
    bool zEnabled = true;
    script.onShow = [&](wxDialog& dialog) {
        zEnabled = Text(dialog, CEditVertexDlg::ZId).IsEnabled();
        EXPECT_EQ(Text(dialog, CEditVertexDlg::ZId).GetValue(), "0.3");
        EXPECT_EQ(Text(dialog, CEditVertexDlg::CaptionId).GetValue(), "Texture Vertex 2");
        Text(dialog, CEditVertexDlg::XId).SetValue("0.75");
        Text(dialog, CEditVertexDlg::ZId).SetValue("9");
        Click(dialog, DialogId::Ok);
    };
    CValueEditDialogs dialogs(nullptr);
    double x = 0.5, y = 0.25, z = 0.1 + 0.2;
    EXPECT_TRUE(dialogs.EditVertex("Texture Vertex 2", x, y, z, true));
    EXPECT_FALSE(zEnabled);
    EXPECT_EQ(x, 0.75);
    EXPECT_EQ(y, 0.25);
    EXPECT_EQ(z, 0.1 + 0.2) << "exactly the Z given, not its text";

    // Without NoZ, Z is edited like the others.
    script.onShow = [&](wxDialog& dialog) {
        zEnabled = Text(dialog, CEditVertexDlg::ZId).IsEnabled();
        Text(dialog, CEditVertexDlg::ZId).SetValue("9");
        Click(dialog, DialogId::Ok);
    };
    EXPECT_TRUE(dialogs.EditVertex("Vertex 0", x, y, z, false));
    EXPECT_TRUE(zEnabled);
    EXPECT_EQ(z, 9);
}

TEST(Dialogs, CancelChangesNothing)
{
    Script script;
    script.onShow = [](wxDialog& dialog) {
        for (int id : {1001, 1002, 1003, 1004})
            if (auto* text = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id)); text != nullptr && text->IsEnabled())
                text->SetValue("7");
        if (auto* check = dynamic_cast<wxCheckBox*>(dialog.FindWindow(1001)))
            check->SetValue(!check->GetValue());
        Click(dialog, DialogId::Cancel);
    };
    CValueEditDialogs dialogs(nullptr);
    double value = 2.5;
    EXPECT_FALSE(dialogs.EditFloat("Scale", value));
    EXPECT_EQ(value, 2.5);
    int count = 3;
    EXPECT_FALSE(dialogs.EditInt("Count", count, 0, 65535));
    EXPECT_EQ(count, 3);
    std::string name = "wheel";
    EXPECT_FALSE(dialogs.EditString("Name", name, 255));
    EXPECT_EQ(name, "wheel");
    bool flag = false;
    EXPECT_FALSE(dialogs.EditBool("Use Wind Direction", flag));
    EXPECT_FALSE(flag);
    double x = 1, y = 2, z = 3;
    EXPECT_FALSE(dialogs.EditVertex("Vertex 0", x, y, z, false));
    EXPECT_EQ(x + y + z, 6);
    EXPECT_TRUE(script.messages.empty());
}

TEST(Dialogs, ARefusedValueKeepsTheDialogOpenWithTheFocusOnTheField)
{
    Script script;
    bool stayedOpen = false;
    int focus = -1;
    script.onShow = [&](wxDialog& dialog) {
        Text(dialog, CEditIntDlg::ValueId).SetValue("70000");
        Click(dialog, DialogId::Ok);
        stayedOpen = dialog.IsModal();
        PumpUntil([] { return FocusId() == CEditIntDlg::ValueId; });
        focus = FocusId();
        Text(dialog, CEditIntDlg::ValueId).SetValue("65535");
        Click(dialog, DialogId::Ok);
    };
    CValueEditDialogs dialogs(nullptr);
    int count = 3;
    EXPECT_TRUE(dialogs.EditInt("Count", count, 0, 65535));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(focus, int(CEditIntDlg::ValueId));
    EXPECT_EQ(script.messages, std::vector<std::string>{"Please enter an integer between 0 and 65535."});
    EXPECT_EQ(count, 65535);
}

TEST(Dialogs, ServiceEditorsCarryTheirValues)
{
    Script script;
    std::vector<std::string> shown;
    script.onShow = [&](wxDialog& dialog) {
        for (int id : {1000, 1001, 1011, 1012, 1013, 1014})
            if (auto* text = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id)))
                shown.push_back(text->GetValue().utf8_string());
        if (auto* check = dynamic_cast<wxCheckBox*>(dialog.FindWindow(1001)))
        {
            shown.push_back(check->GetValue() ? "checked" : "clear");
            check->SetValue(true);
        }
        if (auto* text = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(1001)))
            text->SetValue(wxString::FromUTF8("\xC3\xA9t\xC3\xA9"));
        if (auto* text = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(1013)))
            text->SetValue("0.5");
        Click(dialog, DialogId::Ok);
    };
    CValueEditDialogs dialogs(nullptr);
    std::string name = "caf\xE9";
    EXPECT_TRUE(dialogs.EditString("Name", name, 255));
    EXPECT_EQ(name, "\xE9t\xE9") << "back in the code page";
    bool flag = false;
    EXPECT_TRUE(dialogs.EditBool("Use Wind Direction", flag));
    EXPECT_TRUE(flag);
    Velmo::Papy::Colour colour(1, 0.25f, 0, 1);
    EXPECT_TRUE(dialogs.EditColour("Shade 0", colour));
    EXPECT_EQ(colour, Velmo::Papy::Colour(1, 0.25f, 0.5f, 1));
    EXPECT_EQ(shown, (std::vector<std::string>{"Name", "caf\xC3\xA9", "Use Wind Direction", "clear", "Shade 0", "1",
                                               "0.25", "0", "1"}));

    script.onShow = nullptr;
    script.answer = wxID_CANCEL;
    EXPECT_FALSE(dialogs.AskOkCancel("Delete Child ?"));
    script.answer = wxID_OK;
    EXPECT_TRUE(dialogs.AskOkCancel("Delete Child ?"));
    dialogs.ShowMessage("This item is not editable");
    EXPECT_EQ(script.messages,
              (std::vector<std::string>{"Delete Child ?", "Delete Child ?", "This item is not editable"}));
}
