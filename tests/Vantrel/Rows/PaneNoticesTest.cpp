// What the 3D pane's notice bar shows, frame after frame: the notices of the owner of the frames
// (the mode, the file, the node, the drawing changes), each once, gone with another owner.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Vantrel/Rows/PaneNotices.h"

namespace
{
typedef PaneNotices::Owner Owner;
const int File = 0;
const Owner ThreeD{1, &File, 7, 0};
const Owner Track3D{2, &File, 7, 0};
const Owner OtherNode{1, &File, 8, 0};
const Owner OtherFile{1, nullptr, 7, 0};
const Owner OtherChanges{1, &File, 7, 1};
const Owner NoMode{0, &File, 7, 0};

const std::string Cut = "Drawn in part: the object is too large to show in full.";
const std::string Steps = "Every 4th point of the plan drawn: the track is too long to draw in full.";
const std::string Textures = "Some textures are drawn untextured.";

// One step of a sequence: a frame of the owner that makes the notices, or the user's closing
// the bar (close), or a change of owner with no frame (frame false).
struct Step
{
    Owner owner;
    std::vector<std::string> made;
    std::vector<std::string> shown;
    bool close = false;
    bool frame = true;
};

struct Sequence
{
    const char* name;
    std::vector<Step> steps;
};
} // namespace

TEST(PaneNotices, ANoticeBelongsToTheOwnerOfTheFrameThatMadeIt)
{
    const std::vector<Sequence> sequences = {
        {"told once over repeated frames", {{ThreeD, {Cut}, {Cut}}, {ThreeD, {Cut}, {Cut}}, {ThreeD, {Cut}, {Cut}}}},
        {"gathered in the order made",
         {{ThreeD, {Cut}, {Cut}}, {ThreeD, {Textures, Cut}, {Cut, Textures}}, {ThreeD, {Textures}, {Cut, Textures}}}},
        // A replayed plan or a kept picture makes nothing: the notice stays.
        {"a frame that makes none keeps them", {{Track3D, {Steps}, {Steps}}, {Track3D, {}, {Steps}}}},
        // The stale plan line: the plan's notice is not the 3D frame's.
        {"another mode forgets them",
         {{Track3D, {Steps, Cut}, {Steps, Cut}}, {ThreeD, {}, {}}, {ThreeD, {}, {}}, {OtherNode, {}, {}}}},
        {"another node, file or drawing forgets them",
         {{ThreeD, {Cut}, {Cut}}, {OtherNode, {}, {}}, {ThreeD, {Cut}, {Cut}}, {OtherFile, {}, {}},
          {ThreeD, {Cut}, {Cut}}, {OtherChanges, {}, {}}}},
        {"told again when the new owner's frame makes it again",
         {{ThreeD, {Cut}, {Cut}}, {OtherNode, {Cut}, {Cut}}, {ThreeD, {Cut}, {Cut}}}},
        {"a mode switched off forgets them at once", {{ThreeD, {Cut}, {Cut}}, {NoMode, {}, {}, false, false}}},
        {"closed: not shown again for the owner",
         {{ThreeD, {Cut}, {Cut}}, {ThreeD, {}, {}, true}, {ThreeD, {Cut}, {}}, {ThreeD, {Cut}, {}}}},
        {"closed: a new notice shows alone",
         {{ThreeD, {Cut}, {Cut}}, {ThreeD, {}, {}, true}, {ThreeD, {Cut, Textures}, {Textures}}}},
        {"closed: told again for a new owner", {{ThreeD, {Cut}, {Cut}}, {ThreeD, {}, {}, true}, {OtherNode, {Cut}, {Cut}}}},
        {"an empty text is no notice", {{ThreeD, {""}, {}}}},
    };
    for (const Sequence& sequence : sequences)
    {
        PaneNotices notices;
        for (std::size_t i = 0; i < sequence.steps.size(); ++i)
        {
            const Step& step = sequence.steps[i];
            if (step.close)
                notices.Close();
            else
            {
                notices.Own(step.owner);
                for (const std::string& text : step.made)
                    notices.Add(text);
            }
            EXPECT_EQ(notices.GetShown(), step.shown) << sequence.name << ", step " << i;
            EXPECT_EQ(notices.GetOwner(), step.close ? notices.GetOwner() : step.owner) << sequence.name;
        }
    }
}

// The pane updates its bar only when what it shows changed: frames that tell the same notices
// again leave the revision alone, so that the bar is not laid out (and the canvas resized and
// drawn again) after every frame.
TEST(PaneNotices, TheRevisionCountsOnlyChangesOfWhatIsShown)
{
    PaneNotices notices;
    const auto revision = notices.GetRevision();
    notices.Own(ThreeD);
    EXPECT_EQ(notices.GetRevision(), revision) << "a new owner with nothing shown";
    notices.Add(Cut);
    const auto shown = notices.GetRevision();
    EXPECT_NE(shown, revision);
    for (int i = 0; i < 3; ++i)
    {
        notices.Own(ThreeD);
        notices.Add(Cut);
    }
    EXPECT_EQ(notices.GetRevision(), shown);
    notices.Own(OtherNode);
    const auto forgotten = notices.GetRevision();
    EXPECT_NE(forgotten, shown);
    notices.Own(NoMode);
    notices.Close();
    EXPECT_EQ(notices.GetRevision(), forgotten) << "nothing to forget or close";
}
