#include "Vantrel/Rows/RpyTreeRows.h"

#include <algorithm>

#include "Papy/Race/RpyFile.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/TrkText.h"
#include "Vantrel/Text/CodePage1252.h"

void RpyTreeRows::Build(const Velmo::Papy::RpyFile* replay, TrkTreeItem& root)
{
    root = TrkTreeItem{"root", RpyHint::Whole, {}};
    if (replay == nullptr)
        return;
    const int drivers = std::min(replay->GetDriverCount(), RpyHint::MaxDrivers);
    const int tables = std::min(replay->GetLapTableCount(), RpyHint::MaxLapTables);
    root.Children.reserve(std::size_t(std::max(drivers, 0)));
    for (int d = 0; d < drivers; ++d)
    {
        TrkTreeItem& driver = root.Add(CodePage1252::ToUtf8(replay->GetDriverName(d)), RpyHint::Driver(d));
        for (int i = 0; i < tables; ++i)
        {
            // A negative count (no such table for the driver) gives no laps.
            const int laps = std::min(replay->GetLapCount(i, d), RpyHint::MaxLaps);
            const std::string prefix = "Lap " + TrkText::Integer(i) + ":";
            for (int g = 0; g < laps; ++g)
                driver.Add(prefix + TrkText::Integer(g), RpyHint::Lap(d, i, g));
        }
    }
}
