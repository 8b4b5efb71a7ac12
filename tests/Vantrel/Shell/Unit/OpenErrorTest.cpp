// A document opened on a folder: the folder is refused with the system's reason under the path
// opened, before any factory looks inside it for a file of the folder's name.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/DocumentPattern.h"
#include "Vantrel/Doc/DocumentSource.h"

using Velmo::Util::CountedPointer;

namespace
{
std::string TextOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return e.GetText();
    }
    return "(opened)";
}
} // namespace

TEST(OpenError, AFolderNamedLikeAFileIsRefusedAsAFolder)
{
    VelmoTest::TempFolder folder;
    folder.Write("game/folder.3do/folder.3do", "a file inside, of the folder's name");
    folder.Write("game/dump.bin/dump.bin", "the same for a dump");
    const std::string path = folder.Path("game/folder.3do");
    const std::string expected = "Couldn't open " + path + "\nIs a directory\n";
    EXPECT_EQ(TextOf([&] {
                  CountedPointer<Velmo::Papy::TdoFile> file;
                  CDocumentPattern::Make<Velmo::Papy::MakeTdo>(path, "folder.3do", "3do", file);
              }),
              expected);
    EXPECT_EQ(TextOf([&] { CDocumentSource::MakeUnknown(folder.Path("game/dump.bin")); }),
              "Couldn't open " + folder.Path("game/dump.bin") + "\nIs a directory\n");
    // A trailing separator names the same folder.
    EXPECT_EQ(TextOf([&] { CDocumentSource::MakeUnknown(folder.Path("game/dump.bin/")); }),
              "Couldn't open " + folder.Path("game/dump.bin/") + "\nIs a directory\n");
}

// What a user can type or a recent-file entry can hold gives a plain message, never an
// assertion: a path that goes on below a plain file (the system's reason), and a file of a
// kind its folder's game does not read.
TEST(OpenError, PathsBelowAFileAndKindsTheFolderDoesNotReadArePlainMessages)
{
    VelmoTest::TempFolder folder;
    folder.Write("game/plain.txt", "a plain file, not a container");
    for (const char* relative : {"game/plain.txt/x.3do", "game/plain.txt/", "game/plain.txt/sub/x.3do",
                                 "game/plain.txt/sub/deeper/x.3do"})
    {
        const std::string path = folder.Path(relative);
        const std::string text = TextOf([&] {
            CountedPointer<Velmo::Papy::TdoFile> file;
            CDocumentPattern::Make<Velmo::Papy::MakeTdo>(path, "x.3do", "3do", file);
        });
        EXPECT_EQ(text, "Couldn't open " + path + "\nNot a directory\n") << relative;
    }
    // A GPL folder (its first 3D object is no N4 archive) reads no N4 tracks.
    folder.Write("gpl/a.3do", "not an N4 archive");
    folder.Write("gpl/b.ptf", "an N4 track's name");
    const std::string ptf = folder.Path("gpl/b.ptf");
    EXPECT_EQ(TextOf([&] {
                  CountedPointer<Velmo::Papy::TdoFile> file;
                  CDocumentPattern::Make<Velmo::Papy::MakePtf>(ptf, "b.ptf", "ptf", file);
              }),
              ptf + " can't be opened: its folder holds no files of that kind");
}
