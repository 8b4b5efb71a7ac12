// Reads the palette of a PCX file through the library and prints its entry count and the bytes
// of its entry 1, or the library's error.
#include <cmath>
#include <iostream>
#include <memory>

#include "Papy/Bitmap/PcxFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"

int main(int argc, char** argv)
{
    using namespace Velmo;
    if (argc != 2)
    {
        std::cerr << "usage: palette-reader file.pcx\n";
        return 2;
    }
    try
    {
        std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::OpenRead(argv[1]));
        const Papy::PcxFile pcx(*file);
        const auto palette = pcx.GetPalette();
        const Papy::Colour& colour = palette->GetColour(1);
        const auto byte = [](float value) { return int(std::lround(value * 255)); };
        std::cout << palette->GetColourCount() << " entries; entry 1: " << byte(colour.GetRed()) << ' '
                  << byte(colour.GetGreen()) << ' ' << byte(colour.GetBlue()) << '\n';
        return 0;
    }
    catch (const Util::Exception& error)
    {
        std::cerr << error.GetText() << '\n';
        return 1;
    }
}
