// The camera pane's text, on the camera files of the independent generator (race.py): GPL
// versions 0 and 2 and N2. The expected texts are written out from the generator's values
// (camera i of a group holds seed + 0.25 k for its values k) in the pane's format.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "CamExpectedTexts.h"
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

} // namespace

using namespace CamExpected;

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
