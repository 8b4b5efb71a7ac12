// A file that is there but cannot be opened is reported with its cause as the system gives it,
// not as missing: a folder where the file should be, a file without read permission. The
// message keeps its first line, "Couldn't open " and the path.
//
// Permission bits do not deny the superuser, so when the tests run as root the unreadable
// case is looked up in a child process that has given up root for the "nobody" user.
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Papy/Container/DatFile.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Support/TempFolder.h"
#include "ThingKinds.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;
using namespace VelmoTest;

namespace
{
CountedPointer<Thing> LoadThing(const CountedPointer<Util::BinaryStream>&)
{
    return CountedPointer<Thing>(new Thing);
}

CountedPointer<Thing> LoadLooseThing(const CountedPointer<Util::BinaryStream>&, const PapyDirectory&)
{
    return CountedPointer<Thing>(new Thing);
}

typedef MakeFacet<MakeThing, StandardMakeSource<Thing>, &LoadThing> ThingFacet;
typedef MakeFacet<MakeLooseThing, LooseMakeSource<Thing>, &LoadLooseThing> LooseThingFacet;

std::string TextOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Util::Exception& e)
    {
        return e.GetText();
    }
    return "(opened)";
}

const std::string NoUser = "(the nobody user cannot reach the folder)";

// The text of the action, run as the "nobody" user in a child process when this one is root;
// NoUser when the child cannot give up root or reach the folder.
std::string TextWithoutRoot(const std::string& folder, const std::function<std::string()>& action)
{
    if (geteuid() != 0)
        return action();
    int channel[2];
    if (pipe(channel) != 0)
        return "(no pipe)";
    const pid_t child = fork();
    if (child == 0)
    {
        close(channel[0]);
        const bool nobody = setgid(65534) == 0 && setuid(65534) == 0 && access(folder.c_str(), X_OK) == 0;
        const std::string text = nobody ? action() : NoUser;
        ssize_t written = write(channel[1], text.data(), text.size());
        _exit(written == ssize_t(text.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string text;
    char buffer[256];
    ssize_t got;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return text;
}
} // namespace

TEST(OpenError, AFileThatCannotBeOpenedSaysWhy)
{
    VelmoTest::TempFolder folder;
    // Reachable by the "nobody" user; only the files are closed to it.
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
    folder.Write("Monza/car.3do", "car");
    folder.Write("Monza/locked.3do", "locked");
    folder.Write("Monza/race.rpy", "race");
    folder.Write("Monza/Folder.3do/inside", "a folder where a file should be");
    folder.Write("Monza/race2.rpy/inside", "a folder where a replay should be");
    folder.Write("Monza/shut/car.3do", "in a folder closed to its user");
    folder.Write("Monza/shut/lap.rpy", "in a folder closed to its user");
    std::filesystem::create_symlink("loop.3do", folder.Path("Monza/loop.3do"));
    std::filesystem::create_symlink("ring2.rpy", folder.Path("Monza/ring1.rpy"));
    std::filesystem::create_symlink("ring1.rpy", folder.Path("Monza/ring2.rpy"));
    std::filesystem::permissions(folder.Path("Monza"), std::filesystem::perms::all);
    std::filesystem::permissions(folder.Path("Monza/shut"), std::filesystem::perms::none);
    std::filesystem::permissions(folder.Path("Monza/locked.3do"), std::filesystem::perms::none);
    std::filesystem::permissions(folder.Path("Monza/race.rpy"), std::filesystem::perms::none);
    const PapyDirectory directory(folder.Path("Monza"));
    const std::string path = directory.GetPath();

    const struct
    {
        const char* name;
        const char* extension;
        bool loose;
        std::string expected;
    } cases[] = {
        {"car", "3do", false, "(opened)"},
        {"locked", "3do", false, "Couldn't open " + path + "locked.3do\nPermission denied\n"},
        {"LOCKED", "3do", false, "Couldn't open " + path + "locked.3do\nPermission denied\n"},
        {"folder", "3do", false, "Couldn't open " + path + "Folder.3do\nIs a directory\n"},
        {"missing", "3do", false, "Couldn't open " + path + "missing.3do\nFile not found\n"},
        {"race", "", true, "Couldn't open " + path + "race.rpy\nPermission denied\n"},
        {"race2", "", true, "Couldn't open " + path + "race2.rpy\nIs a directory\n"},
        {"race3", "", true, path + "race3.rpy: file not found"},
        // Neither there nor missing, as far as the system can tell: its own reason.
        {"loop", "3do", false, "Couldn't open " + path + "loop.3do\nToo many levels of symbolic links\n"},
        {"LOOP", "3do", false, "Couldn't open " + path + "loop.3do\nToo many levels of symbolic links\n"},
        {"ring1", "", true, "Couldn't open " + path + "ring1.rpy\nToo many levels of symbolic links\n"},
        {"shut\\car", "3do", false, "Couldn't open " + path + "shut/car.3do\nPermission denied\n"},
        {"shut\\CAR", "3do", false, "Couldn't open " + path + "shut/CAR.3do\nPermission denied\n"},
        {"shut\\lap", "", true, "Couldn't open " + path + "shut/lap.rpy\nPermission denied\n"},
        {"shut\\missing", "3do", false, "Couldn't open " + path + "shut/missing.3do\nPermission denied\n"},
    };
    bool unreachable = false;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + "." + c.extension);
        const std::string text = TextWithoutRoot(path, [&] {
            CountedPointer<Thing> thing;
            if (c.loose)
            {
                LooseThingFacet facet({directory, "rpy"});
                return TextOf([&] { facet.Make(thing, c.name, c.extension); });
            }
            ThingFacet facet({directory, CountedPointer<DatFile>(), "3do"});
            return TextOf([&] { facet.Make(thing, c.name, c.extension, false); });
        });
        if (text == NoUser)
        {
            unreachable = true;
            continue;
        }
        EXPECT_EQ(text, c.expected);
    }
    if (unreachable)
        GTEST_SKIP() << "running as root, and the \"nobody\" user cannot reach " << path
                     << ": the permission cases were not checked";
}
