// Figures of the file panes' rows, headless: the entry list of a DAT archive of 10,000 entries
// (every row's five texts, and a sort by each column) and the page of a 2048 x 2048 GPL MIP
// with every level (the file read, then the colour and alpha images of all 12 levels made).
// The files come from the independent generators (tests/Vantrel/Rows/fileviews.py). Each figure
// is the best and the median of several runs, on one core.
//
//   FileViewsBench [folder for the generated files, default $TMPDIR or /tmp]
#include <algorithm>
#include <cstdint>
#include <memory>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/BenchTiming.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/Exception.h"
#include "Util/BinaryFile.h"
#include "Vantrel/Rows/BitmapViewModel.h"
#include "Vantrel/Rows/DatContainer.h"
#include "Vantrel/Rows/DatEntryList.h"

using namespace Velmo;

namespace
{
const int Runs = 5;

void Report(const char* what, const std::function<void()>& work, double target)
{
    BenchTiming::Report(what, work, target, Runs, 58);
}

bool Generate(const std::string& arguments)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_FILEVIEWS_SCRIPT + "\" " + arguments;
    return std::system(command.c_str()) == 0;
}

volatile std::size_t sink;
} // namespace

int main(int argc, char** argv)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string base = argc > 1 ? argv[1] : (tmp && *tmp ? tmp : "/tmp");
    const std::string folder = base + "/fileviews-bench-" + std::to_string(getpid());
    if (!Generate("big-dat \"" + folder + "\" 10000") || !Generate("big-mip \"" + folder + "\" 2048"))
    {
        std::fprintf(stderr, "the generator failed\n");
        return 1;
    }
    try
    {
        Papy::FileFactoryRegistry& registry = *Papy::FileFactoryRegistry::Instance();
        DatContainer container = OpenDatContainer(registry, folder + "/big/big.dat");
        std::printf("DAT archive of %d entries\n", container.Dat->GetEntryCount());
        Report("list: every row's five texts", [&] {
            DatEntryList list(container.Dat);
            std::size_t characters = 0;
            for (int row = 0; row < list.GetRowCount(); ++row)
                for (int column = 0; column < DatEntryList::ColumnCount; ++column)
                    characters += list.GetText(row, column).size();
            sink = characters;
        }, 500);
        for (int column = 0; column < DatEntryList::ColumnCount; ++column)
        {
            // Each run is one click: ascending, descending, ascending...
            std::string what = std::string("sort by ") + DatEntryList::Columns[column].Heading;
            DatEntryList list(container.Dat);
            Report(what.c_str(), [&] { list.ClickColumn(column); }, 200);
        }
        CloseDatContainer(container, registry);

        // Read as a document reads it: from the file, by the library's reader.
        const std::string mip = folder + "/big/big.mip";
        auto open = [&mip] {
            std::unique_ptr<Util::BinaryFile> stream(Util::BinaryFile::OpenRead(mip));
            return Util::CountedPointer<Papy::MipFile>(new Papy::GPLMipFile(*stream, 0));
        };
        std::printf("GPL MIP of %ju bytes, %u levels\n", std::uintmax_t(std::filesystem::file_size(mip)),
                    open()->GetBitmapCount());
        Report("MIP 2048 x 2048: read", [&] { sink = open()->GetBitmapCount(); }, 500);
        Util::CountedPointer<Papy::MipFile> file = open();
        Report("MIP 2048 x 2048: images of every level made", [&] {
            BitmapViewModel model = BitmapViewModel::ForMip(file);
            model.MakeImages();
            sink = model.GetImageCount();
        }, 500);
        file = nullptr;
        Report("MIP 2048 x 2048: read, images of every level made", [&] {
            BitmapViewModel model = BitmapViewModel::ForMip(open());
            model.MakeImages();
            sink = model.GetImageCount();
        }, 500);
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        std::filesystem::remove_all(folder);
        return 1;
    }
    std::filesystem::remove_all(folder);
    return 0;
}
