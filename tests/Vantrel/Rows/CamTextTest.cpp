// The camera pane's text, on the camera files of the independent generator (race.py): GPL
// versions 0 and 2 and N2. The expected texts are written out from the generator's values
// (camera i of a group holds seed + 0.25 k for its values k) in the pane's format.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "FileViewSamples.h"
#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLTrackCamera.h"
#include "Papy/Race/N2CamFile.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Rows/CamText.h"

using namespace Velmo;

namespace
{
std::vector<U8> Bytes(const std::string& text)
{
    return std::vector<U8>(text.begin(), text.end());
}

std::unique_ptr<Papy::CamFile> Load(const std::string& name)
{
    Util::MemoryStream stream(Bytes(FileViewsTest::ReadText(FileViewsTest::Samples("cam") + "/" + name)), name);
    if (name.rfind("n2", 0) == 0)
        return std::make_unique<Papy::N2CamFile>(stream);
    return std::make_unique<Papy::GPLCamFile>(stream);
}

// TV1 of seed 1, fixed: rotation 2.75, 3, 3.25 and field of vision 3.5 radians shown in degrees.
const std::string FixedTV1 = "Type:             TV1\n"
                             "Fixed\n"
                             "Position:         (1.0 1.2 1.5)\n"
                             "Switch Offset:    1.8\n"
                             "Rotation:         (157.6 171.9 186.2)\n"
                             "Field of Vision:  (200.5 3.8 4.0)\n"
                             "\n"
                             "\n";
// TV1 of seed 20 and TV2 of seed -7, zoomed.
const std::string ZoomedTV1 = "Type:             TV1\n"
                              "Free\n"
                              "Position:         (20.0 20.2 20.5)\n"
                              "Switch Offset:    20.8\n"
                              "Start Zoom:       21.00\n"
                              "Mid Zoom:         21.25\n"
                              "End Zoom:         21.50\n"
                              "\n"
                              "\n";
const std::string ZoomedTV2 = "Type:             TV2\n"
                              "Free\n"
                              "Position:         (-7.0 -6.8 -6.5)\n"
                              "Switch Offset:    -6.2\n"
                              "Start Zoom:       -6.00\n"
                              "Mid Zoom:         -5.75\n"
                              "End Zoom:         -5.50\n"
                              "\n"
                              "\n";
// The pit-lane camera: 0.5 k - 2 for its values k.
const std::string Pitlane = "Type:             Pitlane\n"
                            "Fixed\n"
                            "Position:         (-2.0 -1.5 -1.0)\n"
                            "Rotation:         (-28.6 0.0 28.6)\n"
                            "Field of Vision:  (57.3 1.5 2.0)\n"
                            "\n"
                            "\n";

std::string N2Block(const char* type, const char* values)
{
    return std::string("Type:             ") + type + "\nFree\n\nUnknown values:   " + values + "\n\n";
}
} // namespace

TEST(CamText, CamerasOfEveryFormatInFileOrder)
{
    const struct
    {
        const char* file;
        std::string text;
    } cases[] = {
        {"gpl0.cam", FixedTV1 + ZoomedTV1 + ZoomedTV2 + Pitlane},
        // Version 2: the same TV cameras; its third group holds no camera.
        {"gpl2.cam", FixedTV1 + ZoomedTV1 + ZoomedTV2},
        {"gpl2bare.cam", ZoomedTV2},
        {"empty0.cam", Pitlane},
        // N2: nine values of unknown meaning, seeds 3 and 4 (TV1) and 5 (TV2).
        {"n2.cam", N2Block("TV1", "3.0 3.2 3.5 3.8 4.0 4.2 4.5 4.8 5.0 ") +
                       N2Block("TV1", "4.0 4.2 4.5 4.8 5.0 5.2 5.5 5.8 6.0 ") +
                       N2Block("TV2", "5.0 5.2 5.5 5.8 6.0 6.2 6.5 6.8 7.0 ")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CamText::Make(*Load(c.file)), c.text) << c.file;
}

// Every line is empty, "Fixed", "Free", or a label padded to 18 characters and its values.
TEST(CamText, LabelsFillEighteenCharacters)
{
    const std::string labels[] = {"Type:",      "Position:", "Switch Offset:", "Rotation:", "Field of Vision:",
                                  "Start Zoom:", "Mid Zoom:", "End Zoom:",      "Unknown values:"};
    for (const char* file : {"gpl0.cam", "gpl2.cam", "n2.cam"})
    {
        std::istringstream text(CamText::Make(*Load(file)));
        int labelled = 0;
        for (std::string line; std::getline(text, line);)
        {
            EXPECT_EQ(line.find('\r'), std::string::npos);
            if (line.empty() || line == "Fixed" || line == "Free")
                continue;
            ASSERT_GT(line.size(), std::size_t(CamText::LabelWidth)) << line;
            std::string field = line.substr(0, CamText::LabelWidth);
            std::string label = field.substr(0, field.find(' ') == std::string::npos ? field.size() : field.rfind(':') + 1);
            EXPECT_NE(std::find(std::begin(labels), std::end(labels), label), std::end(labels)) << line;
            EXPECT_EQ(field, label + std::string(CamText::LabelWidth - label.size(), ' ')) << line;
            EXPECT_NE(line[CamText::LabelWidth], ' ') << line;
            ++labelled;
        }
        EXPECT_GT(labelled, 0) << file;
    }
}

TEST(CamText, AFixedCameraShowsItsRotationInDegrees)
{
    Papy::GPLTrackCamera camera(Papy::Camera::TV2);
    const double pi = std::acos(-1.0);
    camera.SetFixed(pi, 0, -pi / 2, pi / 4, 1.25, 2);
    EXPECT_EQ(CamText::MakeBlock(camera), "Type:             TV2\n"
                                          "Fixed\n"
                                          "Position:         (0.0 0.0 0.0)\n"
                                          "Switch Offset:    0.0\n"
                                          "Rotation:         (180.0 0.0 -90.0)\n"
                                          "Field of Vision:  (45.0 1.2 2.0)\n"
                                          "\n"
                                          "\n");
}

TEST(CamText, AFileWithoutCamerasIsEmpty)
{
    Util::MemoryStream stream(std::vector<U8>(8, 0), "none.cam");
    Papy::N2CamFile file(stream);
    ASSERT_EQ(file.GetCameraCount(), 0);
    EXPECT_EQ(CamText::Make(file), "");
}
