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
