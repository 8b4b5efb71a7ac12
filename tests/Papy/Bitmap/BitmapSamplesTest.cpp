// Files of the independent checker (bitmap.py): every pixel our readers give agrees with the
// checker's own decode, every sample saves byte for byte, every crafted broken file fails with
// its message word for word, and every crafted file that loads saves as a file that loads.
#include <gtest/gtest.h>

#include "BitmapTestSupport.h"

using namespace VelmoTest;

TEST(GPLMipFile, SamplesMatchTheIndependentDecode)
{
    auto samples = ReadTable(SampleFolder() + "/samples.txt");
    ASSERT_GE(samples.size(), 30u);
    for (const auto& row : samples)
    {
        const std::string& name = row.at(0);
        const std::string& kind = row.at(1);
        SCOPED_TRACE(name);
        Bytes bytes = ReadFileBytes(SampleFolder() + "/" + name);
        LoadedBitmap loaded;
        ASSERT_NO_THROW(loaded = LoadKind(bytes, kind, name)) << ExceptionText([&] { LoadKind(bytes, kind, name); });
        ExpectPixels(loaded.levels, ReadListing(SampleFolder() + "/" + name + ".pixels"), name);

        // Saved unchanged, the file is the same bytes, also after its pixels were read.
        Velmo::Util::MemoryStream out("out");
        loaded.save(out);
        EXPECT_EQ(out.GetBytes(), bytes);
    }
}

TEST(GPLMipFile, CraftedFilesFailWithTheirMessage)
{
    auto cases = ReadTable(SampleFolder() + "/bad/messages.txt");
    ASSERT_GE(cases.size(), 50u);
    for (const auto& row : cases)
    {
        const std::string& name = row.at(0);
        std::string kind = row.at(1);
        const std::string& message = row.at(2);
        bool atPixels = kind.size() > 7 && kind.substr(kind.size() - 7) == "@pixels";
        if (atPixels)
            kind.resize(kind.size() - 7);
        // A file that loads: saved, loaded back and saved again, the two saves the same.
        bool resaved = kind.size() > 7 && kind.substr(kind.size() - 7) == "@resave";
        if (resaved)
            kind.resize(kind.size() - 7);
        Bytes bytes = ReadFileBytes(SampleFolder() + "/bad/" + name);
        std::string got = ExceptionText([&] {
            LoadedBitmap loaded = LoadKind(bytes, kind, name);
            if (atPixels)
                for (const auto& level : loaded.levels)
                    level->GetPixel(0, 0);
            if (!resaved)
                return;
            Velmo::Util::MemoryStream first("first"), second("second");
            loaded.save(first);
            LoadKind(first.GetBytes(), kind, name + " saved").save(second);
            EXPECT_EQ(second.GetBytes(), first.GetBytes()) << name;
        });
        if (resaved && got == "no exception")
            got = "loads";
        EXPECT_EQ(got, message) << name;
    }
}
