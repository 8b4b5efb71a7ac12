#pragma once
// The rows of the track list for a hint code (TrkHint): the whole track, a segment, or a trace,
// surface or wall of a segment. Texts are in code page 1252 (angles end in the byte 0xB0);
// the pane shows them through CodePage1252::ToUtf8.
#include <vector>

#include "Vantrel/Rows/TrkRow.h"

namespace Velmo::Papy
{
class Track;
}

class TrkListRows
{
public:
    // Whether the list is rebuilt for the hint: a hint of 0, or no track, leaves it as it is.
    static bool Changes(const Velmo::Papy::Track* track, int hint);
    // Appends the rows of the part the hint names; none for a code that names no part of this
    // track. What the track throws propagates; the rows added before stay.
    static void Add(const Velmo::Papy::Track& track, int hint, std::vector<TrkRow>& rows);
};
