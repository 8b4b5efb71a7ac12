// The field editor with the application's dialogs: what the user types reaches the node, and
// the question and the message are the message boxes.
#include <gtest/gtest.h>

#include "DialogScript.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Dialogs/EditStringDlg.h"
#include "Vantrel/Dialogs/ValueEditDialogs.h"
#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"

using namespace DialogTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

TEST(DialogsEdit, ValuesTypedReachTheNode)
{
    CountedPointer<GPLTdoFile> gpl(new GPLTdoFile);
    auto root = gpl->CreateRoot(GPLTdoFile::RootId, {gpl->GetNull()});
    auto transformation = gpl->CreateTransformation(gpl->NewId(), 1, 2, 3, 0, 0, 30, 1, gpl->GetNull());
    auto handle = gpl->CreateHandle("wheel", CountedPointer<ThreeDObject>(transformation));
    CValueEditDialogs dialogs(nullptr);
    Script script;

    std::string shown;
    script.onShow = [&](wxDialog& dialog) {
        shown = Text(dialog, CEditStringDlg::ValueId).GetValue().utf8_string();
        Text(dialog, CEditStringDlg::ValueId).SetValue(wxString::FromUTF8("front wheel \xC3\xA9"));
        Click(dialog, DialogId::Ok);
    };
    ThreeDObjectEditVisitor rename(2, "Name", dialogs);
    handle->Accept(rename);
    EXPECT_EQ(shown, "wheel");
    EXPECT_TRUE(rename.Modified());
    EXPECT_TRUE(rename.NameChanged());
    EXPECT_EQ(rename.GetNewName(), "front wheel \xE9");
    EXPECT_EQ(handle->GetName(), "front wheel \xE9");

    script.onShow = [&](wxDialog& dialog) {
        shown = Text(dialog, CEditFloatDlg::ValueId).GetValue().utf8_string();
        Text(dialog, CEditFloatDlg::ValueId).SetValue("12.5");
        Click(dialog, DialogId::Ok);
    };
    ThreeDObjectEditVisitor translate(3, "X Translation", dialogs);
    transformation->Accept(translate);
    EXPECT_EQ(shown, "1");
    EXPECT_TRUE(translate.Modified());
    EXPECT_NEAR(transformation->GetXTranslation(), 12.5, 1e-6);

    // Cancel: the node and the modified flag stay as they were.
    script.onShow = [&](wxDialog& dialog) {
        Text(dialog, CEditFloatDlg::ValueId).SetValue("99");
        Click(dialog, DialogId::Cancel);
    };
    ThreeDObjectEditVisitor cancelled(3, "X Translation", dialogs);
    transformation->Accept(cancelled);
    EXPECT_FALSE(cancelled.Modified());
    EXPECT_NEAR(transformation->GetXTranslation(), 12.5, 1e-6);
    EXPECT_TRUE(script.messages.empty());
}

TEST(DialogsEdit, QuestionAndMessageAreMessageBoxes)
{
    CountedPointer<GPLTdoFile> gpl(new GPLTdoFile);
    auto root = gpl->CreateRoot(GPLTdoFile::RootId, {gpl->GetNull()});
    auto a = gpl->CreateExtObject(gpl->NewId(), "a");
    auto b = gpl->CreateExtObject(gpl->NewId(), "b");
    auto list = gpl->CreateObjectList(gpl->NewId(), {CountedPointer<ThreeDObject>(a), CountedPointer<ThreeDObject>(b)});
    CValueEditDialogs dialogs(nullptr);
    Script script;

    script.answer = wxID_CANCEL;
    ThreeDObjectEditVisitor kept(5, "Child 0", dialogs);
    list->Accept(kept);
    EXPECT_FALSE(kept.Modified());
    EXPECT_EQ(list->GetChildCount(), 2);
    script.answer = wxID_OK;
    ThreeDObjectEditVisitor removed(5, "Child 0", dialogs);
    list->Accept(removed);
    EXPECT_TRUE(removed.Modified());
    ASSERT_EQ(list->GetChildCount(), 1);
    EXPECT_EQ(list->GetChild(0)->GetId(), b->GetId());

    ThreeDObjectEditVisitor root0(0, "Type", dialogs);
    root->Accept(root0);
    EXPECT_FALSE(root0.Modified());
    EXPECT_EQ(script.messages,
              (std::vector<std::string>{"Delete Child ?", "Delete Child ?", "This item is not editable"}));
}
