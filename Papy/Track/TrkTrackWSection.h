#pragma once
// A wall of a TRK segment.
#include "Papy/Track/TrackWSection.h"
#include "Papy/Track/TrkFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrkTrackWSection : public TrackWSection
{
public:
    TrkTrackWSection(Util::CountedPointer<TrkFile> file, int s, int w);

    double GetStartLatitude() const override;
    double GetEndLatitude() const override;
    double GetStartHeight() const override;
    double GetEndHeight() const override;
    double GetStartWidth() const override;
    double GetEndWidth() const override;
    WallType GetType() const override;

private:
    Util::CountedPointer<TrkFile> m_file;
    int m_section;
    int m_wall;
};
} // namespace Velmo::Papy
