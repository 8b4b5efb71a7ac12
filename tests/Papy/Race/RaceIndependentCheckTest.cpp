// The files of the independent generator load as its listings say; the crafted files are
// refused with the generator's message; unedited cameras and layouts save back byte for byte.
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLLytFile.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Race/GPLTrackCamera.h"
#include "Papy/Race/N2CamFile.h"
#include "Papy/Race/N3RplFile.h"
#include "RaceSamples.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
typedef std::vector<std::vector<std::string>> Listing;

std::string Number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes)
        text += {digits[c >> 4], digits[c & 15]};
    return text;
}

bool IsCamera(const std::string& name)
{
    return name.size() > 4 && name.substr(name.size() - 4) == ".cam";
}

bool IsN2(const std::string& name)
{
    return name.rfind("n2", 0) == 0 && IsCamera(name);
}

Listing ListCameras(const CamFile& file)
{
    Listing lines;
    for (int i = 0; i < file.GetCameraCount(); ++i)
    {
        auto camera = file.GetCamera(i);
        std::vector<std::string> line;
        if (camera->GetType() == Camera::Pitlane)
        {
            line = {"pitlane", Number(camera->GetX()), Number(camera->GetY()), Number(camera->GetZ()),
                    Number(camera->GetRotation1()), Number(camera->GetRotation2()), Number(camera->GetRotation3()),
                    Number(camera->GetFieldOfVision1()), Number(camera->GetFieldOfVision2()),
                    Number(camera->GetFieldOfVision3())};
        }
        else if (camera->GetRealCount() != 0)
        {
            line = {"n2", Camera::GetTypeName(camera->GetType())};
            for (int k = 0; k < camera->GetRealCount(); ++k)
                line.push_back(Number(camera->GetReal(k)));
        }
        else
        {
            auto* track = dynamic_cast<GPLTrackCamera*>(camera.Get());
            auto file32 = [&](unsigned at) { return Number(Velmo::Util::DecodeLE<float>(track->GetRecord().data() + at)); };
            const bool version2 = static_cast<const GPLCamFile&>(file).GetVersion() == 2;
            line = {"track", Camera::GetTypeName(camera->GetType()), camera->IsFixed() ? "1" : "0",
                    version2 ? std::to_string(track->GetExtra()) : "-1", Number(camera->GetTrackPosition1()),
                    Number(camera->GetTrackPosition2()), Number(camera->GetTrackPosition3()),
                    Number(camera->GetSwitchOffset())};
            // The group that the camera's mode does not use is read from the record.
            for (unsigned at = 20; at < 32; at += 4)
                line.push_back(camera->IsZoomed() ? Number(at == 20   ? camera->GetStartZoom()
                                                           : at == 24 ? camera->GetMidZoom()
                                                                      : camera->GetEndZoom())
                                                  : file32(at));
            for (unsigned at = 32; at < 56; at += 4)
                line.push_back(camera->IsFixed() ? Number(at == 32   ? camera->GetRotation1()
                                                          : at == 36 ? camera->GetRotation2()
                                                          : at == 40 ? camera->GetRotation3()
                                                          : at == 44 ? camera->GetFieldOfVision1()
                                                          : at == 48 ? camera->GetFieldOfVision2()
                                                                     : camera->GetFieldOfVision3())
                                                 : file32(at));
        }
        lines.push_back(line);
    }
    return lines;
}

Listing ListReplay(const GPLRpyFile& file)
{
    Listing lines;
    std::string wide;
    for (char16_t c : file.GetWideName())
        wide += {char(c & 0xFF), char(c >> 8)};
    lines.push_back({"track", file.GetTrackName()});
    std::vector<std::string> player = {"player"};
    std::istringstream words(file.GetPlayerName());
    for (std::string word; words >> word;)
        player.push_back(word);
    lines.push_back(player);
    lines.push_back({"playerdriver", std::to_string(file.GetPlayerDriver())});
    lines.push_back(wide.empty() ? std::vector<std::string>{"wide"} : std::vector<std::string>{"wide", Hex(wide)});
    lines.push_back({"frames", std::to_string(file.GetFrameCount())});
    lines.push_back({"header", std::to_string(file.GetHeaderValue1()), std::to_string(file.GetHeaderValue2()),
                     std::to_string(file.GetHeaderValue3())});
    std::vector<std::string> integers = {"integers"};
    for (int i = 0; i < file.GetHeaderIntegerCount(); ++i)
        integers.push_back(std::to_string(file.GetHeaderInteger(i)));
    lines.push_back(integers);
    lines.push_back({"drivers", std::to_string(file.GetDriverCount())});
    lines.push_back({"tables", std::to_string(file.GetLapTableCount())});
    for (int d = 0; d < file.GetDriverCount(); ++d)
    {
        std::vector<std::string> driver = {"driver", std::to_string(d)};
        const std::string name = file.GetDriverName(d);
        if (name == " ")
            driver.push_back("-");
        else
        {
            std::istringstream parts(name);
            for (std::string word; parts >> word;)
                driver.push_back(word);
        }
        driver.push_back(file.GetCarNumber(d));
        lines.push_back(driver);
        for (int t = 0; t < file.GetLapTableCount(); ++t)
            for (int g = 0; g < file.GetLapCount(t, d); ++g)
                lines.push_back({"lap", std::to_string(t), std::to_string(d), std::to_string(g),
                                 Number(file.GetLapTime(t, d, g)), std::to_string(file.GetLapStatus(t, d, g))});
        for (int f = 0; f < file.GetFrameCount(); ++f)
            if (file.IsSampleValid(d, f))
                lines.push_back({"sample", std::to_string(d), std::to_string(f), Number(file.GetSampleLongitude(d, f)),
                                 Number(file.GetSampleLatitude(d, f)), Number(file.GetSampleAngle(d, f))});
    }
    return lines;
}

// Names and the track as words ("-" when empty).
void AddWords(std::vector<std::string>& line, const std::string& text)
{
    std::istringstream words(text);
    std::size_t before = line.size();
    for (std::string word; words >> word;)
        line.push_back(word);
    if (line.size() == before)
        line.push_back("-");
}

Listing ListN3Replay(const N3RplFile& file)
{
    Listing lines;
    std::vector<std::string> track = {"track"};
    AddWords(track, file.GetTrackName());
    lines.push_back(track);
    std::vector<std::string> player = {"player"};
    AddWords(player, file.GetPlayerName());
    lines.push_back(player);
    lines.push_back({"frames", std::to_string(file.GetFrameCount())});
    lines.push_back({"drivers", std::to_string(file.GetDriverCount())});
    for (int d = 0; d < file.GetDriverCount(); ++d)
    {
        std::vector<std::string> driver = {"driver", std::to_string(d)};
        AddWords(driver, file.GetDriverName(d));
        driver.push_back(file.GetCarNumber(d));
        lines.push_back(driver);
        for (int g = 0; g < file.GetLapCount(0, d); ++g)
            lines.push_back({"lap", std::to_string(d), std::to_string(g), Number(file.GetLapTime(0, d, g)),
                             std::to_string(file.GetLapStatus(0, d, g)), std::to_string(file.GetLapFirstFrame(0, d, g)),
                             std::to_string(file.GetLapEndFrame(0, d, g))});
        for (int f = 0; f < file.GetFrameCount(); ++f)
            if (file.IsSampleValid(d, f))
                lines.push_back({"sample", std::to_string(d), std::to_string(f), Number(file.GetSampleLongitude(d, f)),
                                 Number(file.GetSampleLatitude(d, f)), Number(file.GetSampleAngle(d, f))});
    }
    return lines;
}

Listing ListLayout(const GPLLytFile& file)
{
    Listing lines = {{"count", std::to_string(file.GetControlCount())}};
    for (int i = 0; i < file.GetControlCount(); ++i)
    {
        std::vector<std::string> line = {"control", std::to_string(i)};
        for (int value : {file.GetType(i), file.GetX(i), file.GetY(i), file.GetWidth(i), file.GetHeight(i),
                          file.GetStringId(i), file.GetGroupId(i), file.GetParentGroupId(i),
                          file.GetRelativeToControl(i), file.GetRelativeValue(i)})
            line.push_back(std::to_string(value));
        for (int k = 0; k < file.GetExtraCount(); ++k)
            line.push_back(std::to_string(file.GetExtra(i, k)));
        const std::string name = file.GetName(i);
        line.push_back(name.empty() ? "-" : Hex(name));
        lines.push_back(line);
    }
    return lines;
}

// Words equal as text, or both numbers of the same value.
bool SameWord(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    try
    {
        std::size_t usedA, usedB;
        double x = std::stod(a, &usedA);
        double y = std::stod(b, &usedB);
        return usedA == a.size() && usedB == b.size() && x == y;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

std::string Join(const std::vector<std::string>& words)
{
    std::string text;
    for (const auto& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

void ExpectSameListing(const Listing& expected, const Listing& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        bool same = expected[i].size() == actual[i].size();
        for (std::size_t k = 0; same && k < expected[i].size(); ++k)
            same = SameWord(expected[i][k], actual[i][k]);
        EXPECT_TRUE(same) << "line " << i << "\n  expected " << Join(expected[i]) << "\n  actual   " << Join(actual[i]);
    }
}

std::vector<std::string> SampleNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(RaceSampleFolder()))
    {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name.substr(name.size() - 5) == ".list" && name != "crafted.list")
            names.push_back(name.substr(0, name.size() - 5));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void Load(const std::string& name, const Bytes& bytes)
{
    const std::string ext = name.substr(name.size() - 4);
    if (IsN2(name))
        LoadRace<N2CamFile>(bytes, name);
    else if (ext == ".cam")
        LoadRace<GPLCamFile>(bytes, name);
    else if (ext == ".rpy")
        LoadRace<GPLRpyFile>(bytes, name);
    else if (ext == ".rpl")
        LoadRace<N3RplFile>(bytes, name);
    else
        LoadRace<GPLLytFile>(bytes, name);
}
} // namespace

TEST(RaceIndependentCheck, SamplesLoadAsListed)
{
    const auto names = SampleNames();
    ASSERT_GE(names.size(), 14u);
    for (const auto& name : names)
    {
        SCOPED_TRACE(name);
        const Bytes bytes = ReadRaceSample(name);
        const Listing expected = ReadListing(name + ".list");
        const std::string ext = name.substr(name.size() - 4);
        if (IsN2(name))
            ExpectSameListing(expected, ListCameras(*LoadRace<N2CamFile>(bytes, name)));
        else if (ext == ".cam")
        {
            auto file = LoadRace<GPLCamFile>(bytes, name);
            ExpectSameListing(expected, ListCameras(*file));
            EXPECT_EQ(SaveRace(*file), bytes) << "saved back";
        }
        else if (ext == ".rpy")
            ExpectSameListing(expected, ListReplay(*LoadRace<GPLRpyFile>(bytes, name)));
        else if (ext == ".rpl")
            ExpectSameListing(expected, ListN3Replay(*LoadRace<N3RplFile>(bytes, name)));
        else
        {
            auto file = LoadRace<GPLLytFile>(bytes, name);
            ExpectSameListing(expected, ListLayout(*file));
            EXPECT_EQ(SaveRace(*file), bytes) << "saved back";
        }
    }
}

TEST(RaceIndependentCheck, CraftedFilesAreRefusedWithTheirMessage)
{
    const auto crafted = CraftedFiles();
    ASSERT_GE(crafted.size(), 60u);
    for (const auto& [name, message] : crafted)
    {
        SCOPED_TRACE(name);
        try
        {
            Load(name, ReadRaceSample("crafted/" + name));
            ADD_FAILURE() << "loaded";
        }
        catch (const Velmo::Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), message);
        }
    }
}
