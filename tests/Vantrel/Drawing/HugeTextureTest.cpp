// A texture whose level declares far more pixels than an upload takes: an N4 MIP of one
// 8192 x 8192 level of imploded zeros (1.5 MB on disk, 256 MiB decoded, 256 MiB more as RGBA).
// The level's size is checked before its pixels are decoded: the texture is reported as too
// large, nothing is uploaded, and the memory of trying stays small.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "DrawingTestSupport.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/TextureCache.h"

using namespace DrawingTest;
using Velmo::Papy::MipFile;

namespace
{
// The Make facet of one file, whatever the name.
class OneMip : public Velmo::Papy::MakeMip
{
public:
    explicit OneMip(CountedPointer<MipFile> file) : m_file(std::move(file)) {}
    void Make(CountedPointer<MipFile>& object, const std::string&, const std::string&, bool) override
    {
        object = m_file;
    }
    void Adopt(const CountedPointer<MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}

private:
    CountedPointer<MipFile> m_file;
};

std::string ZeroN4Mip(const VelmoTest::TempFolder& folder, int wexp, int hexp, int count)
{
    const std::string path = folder.Path("zero.mip");
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Papy/Bitmap/bitmap.py\" zero-n4 \"" + path + "\" 7 " + std::to_string(wexp) + " " +
                                std::to_string(hexp) + " " + std::to_string(count);
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
    return path;
}
} // namespace

TEST(HugeTexture, ALevelPastThePixelLimitIsReportedUndecoded)
{
    GLContext context{16, 16};
    VELMO_REQUIRE_GL(context);
    VelmoTest::TempFolder folder;
    CountedPointer<Velmo::Util::BinaryStream> stream(Velmo::Util::BinaryFile::OpenRead(ZeroN4Mip(folder, 13, 13, 1)));
    OneMip facet(CountedPointer<MipFile>(new Velmo::Papy::N4MipFile(*stream)));
    CountedPointer<CountingUploader> uploader(new CountingUploader);
    TextureCache cache;
    cache.SetUploader(uploader);
    DrawingReport report;
    CountedPointer<MipFile> file;
    unsigned texture = 1;
    const std::optional<std::uint64_t> rise =
        TestSupport::PeakRise([&] { texture = cache.GetMip("zero", facet, file, report); });
    EXPECT_EQ(texture, 0u);
    EXPECT_FALSE(file);
    EXPECT_EQ(report.GetMessages(), std::vector<std::string>{"zero: Texture too large for OpenGL"});
    EXPECT_TRUE(uploader->Sizes.empty());
    EXPECT_EQ(uploader->ProxyTests, 0);
    if (!rise)
        GTEST_SKIP() << "the resident set's high-water mark cannot be reset here";
    EXPECT_LT(*rise, std::uint64_t(64) << 20) << "peak rise of the resident set in bytes";
}
