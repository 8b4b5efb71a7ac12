#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "MessageAnswer.h"
#include "MessageAnswer.h"
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Vantrel/App/MainFrame.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/View/BinCanvas.h"
#include "Vantrel/View/BinView.h"

using namespace GuiTest;

namespace
{
// A file object that a writable document keeps: its bytes, written back by Save.
struct TestFile
{
    std::string Bytes;
    bool Savable = true;
    bool Throws = false;
    bool CanSave() const { return Savable; }
    void Save(Velmo::Util::BinaryStream& stream)
    {
        stream.Write(Velmo::U32(Bytes.size() / 2), Bytes.data());
        if (Throws)
            throw Velmo::Util::XUsage("test file failed to write");
        stream.Write(Velmo::U32(Bytes.size() - Bytes.size() / 2), Bytes.data() + Bytes.size() / 2);
    }
};
} // namespace

// A writable document of the tests' own template (".tst"), shown by the dump view.
class CTestDoc : public CSubDoc
{
public:
    bool IsReadOnly() const override { return false; }
    Velmo::Util::CountedPointer<TestFile> File;

protected:
    // Reads the whole file and lets it go, as the file objects of the writable documents do.
    void Open(const std::string& path) override
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw Velmo::Util::XFileOpen(path, "No such file or directory");
        Velmo::Util::CountedPointer<TestFile> file(new TestFile);
        file->Bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        File = file;
    }
    CCommonSave::Target GetSaveTarget() override { return MakeSaveTarget<TestFile>(File); }

    wxDECLARE_DYNAMIC_CLASS(CTestDoc);
};
wxIMPLEMENT_DYNAMIC_CLASS(CTestDoc, CSubDoc);

namespace
{
void AddTestTemplate()
{
    static const CTemplateTable::Entry entry = {900, "\nUntitled\nTest File\nTest Files (*.tst)\n.tst\n\n"};
    if (Manager().FindTemplateById(900) == nullptr)
        new CFixedMultiDocTemplate(&Manager(), entry, wxCLASSINFO(CTestDoc), wxCLASSINFO(CBinView));
}

CTestDoc* OpenTest(const std::string& path)
{
    AddTestTemplate();
    return dynamic_cast<CTestDoc*>(Open(path));
}

// Another program saves the file as this one does: a new file renamed over it.
void SaveAsAnotherProgram(VelmoTest::TempFolder& folder, const std::string& name, const std::string& bytes)
{
    const std::string temporary = folder.Write(".other-program.tmp", bytes);
    std::filesystem::rename(temporary, folder.Path(name));
}
} // namespace

TEST(Save, CtrlSWritesTheActiveDocument)
{
    VelmoTest::TempFolder folder;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "edited contents";
    document->Modify(true);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(folder.Read("a.tst"), "edited contents");
    EXPECT_FALSE(document->IsModified());
    CloseAll();
}

// Accelerator table 128 holds in a document window too: Ctrl+S pressed in the dump saves it.
TEST(Save, CtrlSKeyInADocumentWindow)
{
    VelmoTest::TempFolder folder;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "edited by key";
    document->Modify(true);
    CBinCanvas* canvas = CanvasOf(document);
    ASSERT_NE(canvas, nullptr);
    canvas->SetFocus();
    ASSERT_TRUE(PumpUntil([canvas] { return canvas->HasFocus(); }));
    wxUIActionSimulator keys;
    keys.Char('s', wxMOD_CONTROL);
    EXPECT_TRUE(PumpUntil([&] { return !document->IsModified(); }));
    EXPECT_EQ(folder.Read("a.tst"), "edited by key");
    CloseAll();
}

TEST(Save, FailedSaveLeavesTheOriginalAndTheDocumentModified)
{
    VelmoTest::TempFolder folder;
    Messages messages;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "edited contents";
    document->File->Throws = true;
    document->Modify(true);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(folder.Read("a.tst"), "original");
    EXPECT_TRUE(document->IsModified());
    document->File->Throws = false;
    document->File->Savable = false;
    Command(ID_FILE_SAVE);
    EXPECT_EQ(folder.Read("a.tst"), "original");
    EXPECT_EQ(messages.Texts, (std::vector<std::string>{"test file failed to write", CCommonSave::CannotSaveText}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    // Without its file object (an open that kept nothing) the save refuses as well.
    document->File = nullptr;
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.Texts.back(), CCommonSave::NoFileText);
    EXPECT_EQ(folder.Read("a.tst"), "original");
    document->Modify(false);
    CloseAll();
}

TEST(Save, ReadOnlyDocumentsNeitherSaveNorAsk)
{
    VelmoTest::TempFolder folder;
    Messages messages;
    CVantrelDoc* document = Open(folder.Write("x.xyz", "hex bytes"));
    ASSERT_NE(document, nullptr);
    document->Modify(true);
    EXPECT_FALSE(document->IsModified());
    Command(ID_FILE_SAVE);
    EXPECT_EQ(folder.Read("x.xyz"), "hex bytes");
    EXPECT_TRUE(messages.Texts.empty());
    // Closing asks nothing: a question would fail the test (and keep the window).
    Command(ID_FILE_CLOSE);
    Pump();
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(Save, BadFileLeavesAnotherModifiedDocumentIntact)
{
    VelmoTest::TempFolder folder;
    Messages messages;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "unsaved edit";
    document->Modify(true);
    const int frames = int(Frame().GetChildren().GetCount());
    EXPECT_EQ(Open(folder.Path("missing.xyz")), nullptr);
    EXPECT_EQ(Open(folder.Path("nowhere/at/all/missing.tst")), nullptr);
    ASSERT_EQ(messages.Texts.size(), 2u);
    EXPECT_EQ(messages.Texts[0].rfind("Couldn't open ", 0), 0u) << messages.Texts[0];
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(int(Frame().GetChildren().GetCount()), frames);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->File->Bytes, "unsaved edit");
    EXPECT_EQ(Manager().GetCurrentDocument(), document);
    document->Modify(false);
    CloseAll();
}

// Two programs have the file open; the other saves first. This one's save asks before it
// overwrites that save: No keeps both the file and the edit, Yes overwrites, and a file that
// nobody changed since (the open, or this program's own last save) saves without asking (a
// question would fail the test).
TEST(Save, OverAnotherProgramsSaveAsksFirst)
{
    VelmoTest::TempFolder folder;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "this program's edit";
    document->Modify(true);
    SaveAsAnotherProgram(folder, "a.tst", "the other program's save");

    const wxString question = "a.tst has changed on disk since it was opened. Overwrite it?";
    wxString asked;
    wxTEST_DIALOG(Command(ID_FILE_SAVE), MessageAnswer(wxID_NO, &asked));
    EXPECT_EQ(asked, question);
    EXPECT_EQ(folder.Read("a.tst"), "the other program's save");
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->File->Bytes, "this program's edit");

    asked.clear();
    wxTEST_DIALOG(Command(ID_FILE_SAVE), MessageAnswer(wxID_YES, &asked));
    EXPECT_EQ(asked, question);
    EXPECT_EQ(folder.Read("a.tst"), "this program's edit");
    EXPECT_FALSE(document->IsModified());

    // Its own save is what it knows now: the next edit saves without a question.
    document->File->Bytes = "a second edit";
    document->Modify(true);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(folder.Read("a.tst"), "a second edit");
    EXPECT_FALSE(document->IsModified());

    // Written in place, same size: the time tells.
    document->File->Bytes = "a third edit!";
    document->Modify(true);
    folder.Write("a.tst", "other's edit!");
    const timespec later[2] = {{2000000000, 0}, {2000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, folder.Path("a.tst").c_str(), later, 0), 0);
    asked.clear();
    wxTEST_DIALOG(Command(ID_FILE_SAVE), MessageAnswer(wxID_NO, &asked));
    EXPECT_EQ(asked, question);
    EXPECT_EQ(folder.Read("a.tst"), "other's edit!");
    EXPECT_TRUE(document->IsModified());
    document->Modify(false);
    CloseAll();
}

TEST(Save, UnchangedFileSavesWithoutAsking)
{
    VelmoTest::TempFolder folder;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    for (const char* edit : {"first edit", "second edit"})
    {
        document->File->Bytes = edit;
        document->Modify(true);
        Command(ID_FILE_SAVE);
        EXPECT_EQ(folder.Read("a.tst"), edit);
        EXPECT_FALSE(document->IsModified());
    }
    CloseAll();
}

// A save the system refuses says it is the save that failed, with the system's reason.
TEST(Save, RefusedSaveSaysCouldNotSave)
{
    VelmoTest::TempFolder folder;
    Messages messages;
    CTestDoc* document = OpenTest(folder.Write("a.tst", "original"));
    ASSERT_NE(document, nullptr);
    document->File->Bytes = "edited contents";
    document->Modify(true);
    {
        // Another reader holds the file.
        std::unique_ptr<Velmo::Util::BinaryFile> reader(Velmo::Util::BinaryFile::OpenRead(folder.Path("a.tst")));
        Command(ID_FILE_SAVE);
    }
    EXPECT_EQ(messages.Texts,
              std::vector<std::string>{"Couldn't save " + folder.Path("a.tst") + "\nDevice or resource busy\n"});
    EXPECT_EQ(folder.Read("a.tst"), "original");
    EXPECT_TRUE(document->IsModified());
    document->Modify(false);
    CloseAll();
}
