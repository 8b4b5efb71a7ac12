// GPL and N2 camera files: the smallest file, grouping on save, the version-2 layout, the
// editing rules and the camera accessors.
#include <cmath>

#include <gtest/gtest.h>

#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLPitlaneCamera.h"
#include "Papy/Race/GPLTrackCamera.h"
#include "Papy/Race/N2CamFile.h"
#include "Papy/Race/N2Camera.h"
#include "RaceSamples.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::XAssertion;

namespace
{
// A version-0 file of the given TV cameras; each record's first float is its tag.
Bytes CamFileBytes(const std::vector<std::pair<int, float>>& tv1, const std::vector<float>& tv2)
{
    ByteBuilder b;
    b.Text(Letters("TCAM")).U32(0).U32(0);
    b.S32(int(tv1.size()));
    for (auto [fixed, tag] : tv1)
        b.F32(tag).Zeros(12).S32(fixed).Zeros(36);
    b.S32(int(tv2.size()));
    for (float tag : tv2)
        b.F32(tag).Zeros(52);
    b.F32(7).Zeros(48);
    b.PatchU32(8, std::uint32_t(b.Size() - 12));
    return b.Get();
}
} // namespace

TEST(GPLCamFile, NewFileIsOnePitlaneCameraIn72Bytes)
{
    GPLCamFile file;
    ASSERT_EQ(file.GetCameraCount(), 1);
    EXPECT_EQ(file.GetCamera(0)->GetType(), Camera::Pitlane);
    const Bytes saved = SaveRace(file);
    ASSERT_EQ(saved.size(), 72u);
    ByteBuilder expected;
    expected.Text(Letters("TCAM")).U32(0).U32(60).U32(0).U32(0).Zeros(52);
    EXPECT_EQ(saved, expected.Get());
    EXPECT_EQ(LoadRace<GPLCamFile>(saved)->GetCameraCount(), 1);
}

TEST(GPLCamFile, SaveGroupsCamerasByTypeInListOrder)
{
    auto file = LoadRace<GPLCamFile>(CamFileBytes({{1, 1.0f}, {0, 2.0f}}, {3.0f}));
    // Insert a TV2 camera first and a TV1 camera after the TV2 one: the list is mixed.
    file->InsertCamera(Camera::TV2, 0);
    file->InsertCamera(Camera::TV1, 3);
    file->GetCamera(0)->SetTrackPosition(4, 0, 0, 0);
    file->GetCamera(3)->SetTrackPosition(5, 0, 0, 0);
    ASSERT_EQ(file->GetCameraCount(), 6);
    auto saved = LoadRace<GPLCamFile>(SaveRace(*file));
    std::vector<std::pair<int, double>> order;
    for (int i = 0; i < saved->GetCameraCount(); ++i)
    {
        auto camera = saved->GetCamera(i);
        order.emplace_back(camera->GetType(),
                           camera->GetType() == Camera::Pitlane ? camera->GetX() : camera->GetTrackPosition1());
    }
    const std::vector<std::pair<int, double>> expected = {
        {Camera::TV1, 1}, {Camera::TV1, 2}, {Camera::TV1, 5}, {Camera::TV2, 4}, {Camera::TV2, 3}, {Camera::Pitlane, 7}};
    EXPECT_EQ(order, expected);
}

TEST(GPLCamFile, TrackCameraValuesByMode)
{
    GPLTrackCamera camera(Camera::TV1);
    EXPECT_TRUE(camera.HasTrackPosition() && camera.HasRotation() && camera.HasZoom());
    EXPECT_FALSE(camera.HasPosition());
    EXPECT_FALSE(camera.IsFixed());
    EXPECT_TRUE(camera.IsZoomed());
    camera.SetZoom(1.5, 2.5, 3.5);
    EXPECT_EQ(camera.GetMidZoom(), 2.5);
    EXPECT_EQ(AssertionOf([&] { camera.GetRotation1(); }), "IsFixed()");
    camera.SetFixed(M_PI, 2, 3, 4, 5, 6);
    EXPECT_TRUE(camera.IsFixed());
    EXPECT_EQ(camera.GetRotation1(), double(float(M_PI)));
    EXPECT_EQ(camera.GetFieldOfVision3(), 6);
    EXPECT_EQ(AssertionOf([&] { camera.GetStartZoom(); }), "!IsFixed()");
    // The other group's values stay in the record.
    camera.SetZoom(7, 8, 9);
    EXPECT_EQ(Velmo::Util::DecodeLE<float>(camera.GetRecord().data() + 32), float(M_PI));
    EXPECT_EQ(AssertionOf([&] { camera.GetX(); }), "false");
    EXPECT_EQ(camera.GetIntegerCount() + camera.GetRealCount(), 0);

    GPLPitlaneCamera pitlane;
    EXPECT_TRUE(pitlane.HasPosition() && pitlane.HasRotation() && pitlane.IsFixed());
    EXPECT_FALSE(pitlane.HasTrackPosition() || pitlane.HasZoom());
    EXPECT_EQ(AssertionOf([&] { pitlane.GetSwitchOffset(); }), "false");
}

TEST(GPLCamFile, TypeNames)
{
    EXPECT_EQ(Camera::GetTypeName(Camera::TV1), "TV1");
    EXPECT_EQ(Camera::GetTypeName(Camera::TV2), "TV2");
    EXPECT_EQ(Camera::GetTypeName(Camera::Pitlane), "Pitlane");
    EXPECT_EQ(AssertionOf([] { Camera::GetTypeName(3); }), "false");
}

TEST(GPLCamFile, EditingRules)
{
    auto file = LoadRace<GPLCamFile>(CamFileBytes({{0, 1.0f}}, {}));
    EXPECT_EQ(AssertionOf([&] { file->InsertCamera(Camera::Pitlane, 0); }),
              "type == Camera::TV1 || type == Camera::TV2");
    EXPECT_EQ(AssertionOf([&] { file->InsertCamera(Camera::TV1, 2); }), "index < Cameras.size()");
    EXPECT_EQ(AssertionOf([&] { file->InsertCamera(Camera::TV1, -1); }), "index < Cameras.size()");
    EXPECT_EQ(AssertionOf([&] { file->DeleteCamera(1); }), "Cameras[index]->GetType() != Camera::Pitlane");
    EXPECT_EQ(AssertionOf([&] { file->DeleteCamera(2); }), "index < Cameras.size()");
    file->DeleteCamera(0);
    EXPECT_EQ(file->GetCameraCount(), 1);
    EXPECT_EQ(SaveRace(*file).size(), 72u);
    EXPECT_EQ(AssertionOf([&] { file->GetCamera(1); }), "i >= 0 && size_t(i) < Cameras.size()");
}

TEST(GPLCamFile, VersionTwoKeepsItsPartsAndInsertedCamerasGetExtraZero)
{
    const Bytes bytes = ReadRaceSample("gpl2.cam");
    auto file = LoadRace<GPLCamFile>(bytes);
    EXPECT_EQ(file->GetVersion(), 2u);
    ASSERT_EQ(file->GetCameraCount(), 3);
    for (int i = 0; i < file->GetCameraCount(); ++i)
        EXPECT_NE(file->GetCamera(i)->GetType(), Camera::Pitlane);
    EXPECT_EQ(SaveRace(*file), bytes);

    file->InsertCamera(Camera::TV2, 0);
    const Bytes saved = SaveRace(*file);
    ASSERT_EQ(saved.size(), bytes.size() + 57);
    auto again = LoadRace<GPLCamFile>(saved);
    ASSERT_EQ(again->GetCameraCount(), 4);
    // TV1 cameras come first: the new TV2 camera is the first of its group.
    auto* inserted = dynamic_cast<GPLTrackCamera*>(again->GetCamera(2).Get());
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->GetExtra(), 0);
    EXPECT_EQ(dynamic_cast<GPLTrackCamera*>(again->GetCamera(3).Get())->GetExtra(), 1);
    // The third group, the tail and the filler are what they were.
    EXPECT_TRUE(std::equal(bytes.end() - 88 - 2 - 4 - 114, bytes.end(), saved.end() - 88 - 2 - 4 - 114));
}

TEST(GPLCamFile, SavesToTheCallersStreamFromPositionZero)
{
    GPLCamFile file;
    Velmo::Util::MemoryStream stream(Bytes(100, 0xEE), "target");
    stream.Seek(50);
    file.Save(stream);
    EXPECT_EQ(stream.Tell(), 72u);
    EXPECT_EQ(stream.GetBytes()[72], 0xEE);
}

TEST(N2CamFile, ReadsBothGroupsAndRefusesEdits)
{
    auto file = LoadRace<N2CamFile>(ReadRaceSample("n2.cam"));
    ASSERT_EQ(file->GetCameraCount(), 3);
    EXPECT_EQ(file->GetCamera(2)->GetType(), Camera::TV2);
    auto camera = file->GetCamera(0);
    EXPECT_EQ(camera->GetRealCount(), 9);
    EXPECT_EQ(camera->GetReal(8), 5.0);
    EXPECT_FALSE(camera->HasTrackPosition() || camera->HasPosition() || camera->HasRotation() ||
                 camera->HasZoom() || camera->IsFixed() || camera->IsZoomed());
    EXPECT_FALSE(dynamic_cast<N2Camera&>(*camera).CanWrite());
    EXPECT_EQ(AssertionOf([&] { camera->GetReal(9); }), "i >= 0 && i < ValueCount");
    Velmo::Util::MemoryStream out;
    EXPECT_EQ(AssertionOf([&] { camera->Write(out); }), "false");
    EXPECT_EQ(AssertionOf([&] { file->InsertCamera(Camera::TV1, 0); }), "false");
    EXPECT_EQ(AssertionOf([&] { file->DeleteCamera(0); }), "false");
    EXPECT_EQ(AssertionOf([&] { file->Save(out); }), "false");
}

TEST(N2CamFile, EmptyGroupsAreEightBytes)
{
    ByteBuilder b;
    b.U32(0).U32(0);
    EXPECT_EQ(LoadRace<N2CamFile>(b.Get())->GetCameraCount(), 0);
}

TEST(CamFile, TheSecondAccessorGivesTheCamerasOfTheFirst)
{
    // The two accessors of camera i, each named by its signature.
    Velmo::Util::CountedPointer<Camera> (CamFile::*first)(int) const = &CamFile::GetCamera;
    Velmo::Util::CountedPointer<Camera> (CamFile::*second)(int) = &CamFile::GetCamera;
    auto gpl = LoadRace<GPLCamFile>(CamFileBytes({{1, 1.0f}, {0, 2.0f}}, {3.0f}));
    auto n2 = LoadRace<N2CamFile>(ReadRaceSample("n2.cam"));
    for (CamFile* file : std::initializer_list<CamFile*>{gpl.get(), n2.get()})
    {
        ASSERT_GT(file->GetCameraCount(), 2);
        for (int i = 0; i < file->GetCameraCount(); ++i)
        {
            EXPECT_TRUE((file->*second)(i));
            EXPECT_EQ((file->*second)(i).Get(), (file->*first)(i).Get()) << i;
        }
        for (int i : {-1, file->GetCameraCount()})
        {
            EXPECT_EQ(AssertionOf([&] { (file->*first)(i); }), "i >= 0 && size_t(i) < Cameras.size()");
            EXPECT_EQ(AssertionOf([&] { (file->*second)(i); }), "i >= 0 && size_t(i) < Cameras.size()");
        }
    }
}
