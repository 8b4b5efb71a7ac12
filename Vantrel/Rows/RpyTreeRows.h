#pragma once
// The items of the replay tree: "root" for the whole replay, an item per driver (its name) and
// under each a "Lap i:g" item per lap g of each lap table i, each with its hint code (RpyHint).
// Texts are UTF-8 (the names stored in the replay are read as code page 1252).
#include "Vantrel/Rows/TrkTreeItem.h"

namespace Velmo::Papy
{
class RpyFile;
}

class RpyTreeRows
{
public:
    // Makes root the tree of the replay; without a replay only "root". Drivers, lap tables and
    // laps past the 255 that codes can name are left out. What the replay throws propagates;
    // the items added before stay in root.
    static void Build(const Velmo::Papy::RpyFile* replay, TrkTreeItem& root);
};
