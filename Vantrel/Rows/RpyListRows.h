#pragma once
// The rows of the replay list for a hint code (RpyHint): the whole replay, a driver or a lap.
// Texts are UTF-8: the names stored in the replay are read as code page 1252, the description
// as UTF-16.
#include <vector>

#include "Vantrel/Rows/TrkRow.h"

namespace Velmo::Papy
{
class RpyFile;
}

class RpyListRows
{
public:
    // Whether the list is rebuilt for the hint: a hint of 0, or no replay, leaves it as it is.
    static bool Changes(const Velmo::Papy::RpyFile* replay, int hint);
    // Appends the rows of what the hint names; none for a code that names nothing of this
    // replay. What the replay throws propagates; the rows added before stay.
    static void Add(const Velmo::Papy::RpyFile& replay, int hint, std::vector<TrkRow>& rows);
};
