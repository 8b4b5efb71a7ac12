#pragma once
// The text of the camera pane: every camera of a camera file, one block of lines per camera in
// file order. A label line holds the label left-adjusted in a field of 18 characters, then the
// values; lines end with "\n"; numbers are written as the classic locale writes them.
//
//   Type:             TV1
//   Free
//   Position:         (1.0 1.2 1.5)
//   Switch Offset:    1.8
//   Start Zoom:       2.00
//   Mid Zoom:         2.25
//   End Zoom:         2.50
//   (an empty line, the "Unknown values:" lines when the camera has such values, an empty line)
//
// A fixed camera shows "Rotation:" (degrees) and "Field of Vision:" (the first value in degrees)
// in place of the zoom lines. A camera without any position has no "Position:" line, and one
// that is neither fixed nor zoomed no rotation or zoom lines: its values are unknown ones.
#include <string>

#include "Papy/Race/CamFile.h"
#include "Papy/Race/Camera.h"

class CamText
{
public:
    static constexpr int LabelWidth = 18;

    // The whole text; empty for a file without cameras.
    static std::string Make(const Velmo::Papy::CamFile& file);
    // The block of one camera.
    static std::string MakeBlock(const Velmo::Papy::Camera& camera);
};
