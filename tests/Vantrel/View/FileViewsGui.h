#pragma once
// What the file-pane suites share: the samples of the independent generators (written once per
// build by tests/Vantrel/Rows/fileviews.py, see FileViewSamples.h), copied into a temporary
// folder of the test so that nothing a test does reaches another's files.
#include <filesystem>
#include <string>

#include "GuiKit.h"
#include "Support/TempFolder.h"

#ifndef VELMO_TEST_BINARY_DIR
// Beside the rows' unit tests, which write the same samples.
#define VELMO_TEST_BINARY_DIR VELMO_ARTIFACTS_DIR "/../tests"
#endif
#include "Vantrel/Rows/FileViewSamples.h"

namespace FileViewsGui
{
// The folder of a part's samples (dat, cam, lyt, bitmap).
inline std::string Samples(const std::string& part)
{
    GuiTest::ArtifactsFolder(); // the samples' path passes through it
    return FileViewsTest::Samples(part);
}

// Copies a file or a folder (with everything in it) of a part's samples to a place in the
// temporary folder; returns the copy's path.
inline std::string Copy(const VelmoTest::TempFolder& folder, const std::string& part, const std::string& from,
                        const std::string& to)
{
    namespace fs = std::filesystem;
    const fs::path target = folder.Path(to);
    fs::create_directories(target.parent_path());
    fs::copy(fs::path(Samples(part)) / from, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return target.string();
}
} // namespace FileViewsGui
