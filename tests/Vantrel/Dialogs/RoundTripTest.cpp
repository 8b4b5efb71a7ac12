// Values that the user leaves alone in a value dialog come back to the last bit, though the
// dialog shows them with fewer digits than they carry: editing X of a vertex changes X's bytes
// of the saved file and nothing else.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "DialogScript.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/Angles.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/EditColourDlg.h"
#include "Vantrel/Dialogs/EditFloatDlg.h"
#include "Vantrel/Dialogs/EditVertexDlg.h"
#include "Vantrel/Dialogs/ValueEditDialogs.h"
#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"

using namespace DialogTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
typedef std::vector<Velmo::U8> Bytes;

// Doubles whose 15-digit texts read back as other doubles: each needs 16 or 17 digits, and no
// two are alike, so that each can be found in the saved file.
const double Values[] = {1.0 / 3, 2.5585126876831055, 0.1 + 0.2, 2.0 / 3, 1.0 / 7, 0.7071067811865476,
                         1.0 / 9, 3.0 / 7, 5.0 / 7, 2.0 / 9, 4.0 / 9, 5.0 / 9};

Bytes Save(N4TdoFile& file)
{
    auto* memory = new Velmo::Util::MemoryStream("vertices.3do");
    CountedPointer<Velmo::Util::BinaryStream> stream(memory);
    file.Save(stream);
    return memory->GetBytes();
}

// Where the bytes of a double stand in the file; -1 when not exactly once.
long OffsetOf(const Bytes& bytes, double value)
{
    Velmo::U8 pattern[8];
    std::memcpy(pattern, &value, 8);
    long found = -1;
    for (std::size_t at = 0; at + 8 <= bytes.size(); ++at)
        if (std::memcmp(bytes.data() + at, pattern, 8) == 0)
        {
            if (found != -1)
                return -1;
            found = long(at);
        }
    return found;
}

// Types into one field of the dialog and presses OK.
std::function<void(wxDialog&)> TypeAndOk(int field, const char* text)
{
    return [=](wxDialog& dialog) {
        if (field != 0)
            Text(dialog, field).SetValue(text);
        Click(dialog, DialogId::Ok);
    };
}

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

TEST(DialogsRoundTrip, EditingOneCoordinateChangesOnlyItsBytesInTheSavedFile)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    const std::vector<Vertex> vertices = {Vertex(Values[0], Values[1], Values[2])};
    const std::vector<Normal> normals = {Normal(Values[3], Values[4], Values[5])};
    const std::vector<TextureVertex> uv = {TextureVertex(Values[6], Values[7])};
    const std::vector<TextureVertex> specular = {TextureVertex(Values[8], Values[9])};
    CountedPointer<ThreeDObjectVertices> list = file.CreateVertices(file.NewId(), vertices, normals, uv, specular);
    file.CreateRoot(file.NewId(), {TdoFile::Node(list)});
    CValueEditDialogs dialogs(nullptr);
    Script script;

    // Each multi-value row of a vertex list: the field typed into, and the value it held.
    const struct
    {
        const char* label;
        int field;
        double before;
    } cases[] = {
        {"Vertex 0", CEditVertexDlg::XId, Values[0]},
        {"Vertex 0", CEditVertexDlg::ZId, Values[2]},
        {"Normal 0", CEditVertexDlg::YId, Values[4]},
        {"Texture Vertex 0", CEditVertexDlg::XId, Values[6]},
        {"Specular Highlight Texture Vertex 0", CEditVertexDlg::YId, Values[9]},
        // OK without a change: not a byte moves.
        {"Vertex 0", 0, 0.0},
        {"Texture Vertex 0", 0, 0.0},
    };
    double typed = 7;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.label) + " field " + std::to_string(c.field));
        const Bytes before = Save(file);
        const long at = c.field != 0 ? OffsetOf(before, c.before) : 0;
        ASSERT_NE(at, -1);
        typed += 1;
        const std::string text = std::to_string(int(typed));
        script.onShow = TypeAndOk(c.field, text.c_str());
        ThreeDObjectEditVisitor edit(-1, c.label, dialogs);
        list->Accept(edit);
        ASSERT_TRUE(edit.Modified());
        const Bytes after = Save(file);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i)
        {
            if (c.field == 0 || long(i) < at || long(i) >= at + 8)
            {
                EXPECT_EQ(after[i], before[i]) << "byte " << i;
            }
        }
        if (c.field != 0)
        {
            EXPECT_EQ(OffsetOf(after, typed), at);
        }
    }
    EXPECT_TRUE(script.messages.empty());
}

TEST(DialogsRoundTrip, ComponentsLeftAloneKeepTheirBits)
{
    CountedPointer<GPLTdoFile> gpl(new GPLTdoFile);
    auto root = gpl->CreateRoot(GPLTdoFile::RootId, {gpl->GetNull()});
    // Shades of byte steps, as GPL files hold them: 1/255 reads back from "0.00392157" as
    // another float.
    const std::vector<Colour> shades(3, Colour(1.0f / 255, 2.0f / 255, 101.0f / 255, 254.0f / 255));
    auto polygon = gpl->CreatePolygon(gpl->NewId(), {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)},
                                      Colour(1, 1, 1, 1), true, shades, false, {}, false, {});
    auto transformation = gpl->CreateTransformation(gpl->NewId(), Values[0], Values[1], Values[2], Values[3],
                                                    Values[4], Values[5], Values[6], gpl->GetNull());
    N4TdoFile n4(GetN4TdoArchivers(), nullptr);
    // Radians that come back from degrees and to radians again as another double.
    const double turned = -2.585041906898037;
    ASSERT_NE(Velmo::Util::DegreesToRadians(Velmo::Util::RadiansToDegrees(turned)), turned);
    auto animated = n4.CreateAnimatedTransform(n4.NewId(), "", "", Values[7], Values[8], Values[9], Values[10],
                                               Values[11], turned, n4.GetNull());
    CValueEditDialogs dialogs(nullptr);
    Script script;

    const auto red = [&] { return polygon->GetShade(1).GetRed(); };
    const auto green = [&] { return polygon->GetShade(1).GetGreen(); };
    const auto blue = [&] { return polygon->GetShade(1).GetBlue(); };
    const auto alpha = [&] { return polygon->GetShade(1).GetAlpha(); };
    // The dialog of each row, the field typed into (0: none, OK at once), and the values of the
    // row that must keep their bits.
    const struct
    {
        ThreeDObject* node;
        const char* label;
        int field;
        std::vector<std::function<double()>> kept;
    } cases[] = {
        {polygon.Get(), "Shade 1", CEditColourDlg::GreenId, {red, blue, alpha}},
        {polygon.Get(), "Shade 1", 0, {red, green, blue, alpha}},
        {transformation.Get(), "Y Translation", 0, {[&] { return transformation->GetYTranslation(); }}},
        {transformation.Get(), "Scale", 0, {[&] { return transformation->GetScale(); }}},
        // Radians shown in degrees and left alone.
        {animated.Get(), "X Rotation", 0, {[&] { return animated->GetXRotation(); }}},
        {animated.Get(), "Z Rotation", 0, {[&] { return animated->GetZRotation(); }}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.label) + " field " + std::to_string(c.field));
        std::vector<double> before;
        for (const auto& value : c.kept)
            before.push_back(value());
        script.onShow = TypeAndOk(c.field, "0.5");
        ThreeDObjectEditVisitor edit(-1, c.label, dialogs);
        c.node->Accept(edit);
        EXPECT_TRUE(edit.Modified());
        for (std::size_t k = 0; k < before.size(); ++k)
            EXPECT_TRUE(SameBits(c.kept[k](), before[k])) << "value " << k << ": " << c.kept[k]() << " was "
                                                          << before[k];
    }
    // The component typed into took the typed value.
    EXPECT_TRUE(SameBits(green(), 0.5f));
    EXPECT_TRUE(script.messages.empty());
}
