#pragma once
// A floor strip of a TRK segment.
#include "Papy/Track/TrackFSection.h"
#include "Papy/Track/TrkFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrkTrackFSection : public TrackFSection
{
public:
    TrkTrackFSection(Util::CountedPointer<TrkFile> file, int s, int b);

    double GetRightStart() const override;
    double GetRightEnd() const override;
    double GetLeftStart() const override;
    double GetLeftEnd() const override;
    SurfaceType GetType() const override;
    int GetGripModifier() const override;

private:
    Util::CountedPointer<TrkFile> m_file;
    int m_section;
    int m_floor;
};
} // namespace Velmo::Papy
