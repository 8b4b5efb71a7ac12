#pragma once
// A cross section of a TRK segment: one lateral of the file through one section.
#include "Papy/Track/TrackXSection.h"
#include "Papy/Track/TrkFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrkTrackXSection : public TrackXSection
{
public:
    TrkTrackXSection(Util::CountedPointer<TrkFile> file, int s, int l);

    double GetStartLatitude() const override;
    double GetEndLatitude() const override;
    // The file keeps one latitude per lateral, strictly increasing: only a line of constant
    // latitude between its neighbours is stored.
    void SetLatitude(double start, double end) override;
    double GetStartAltitude() const override;
    double GetEndAltitude() const override;
    double GetStartSlope() const override;
    double GetEndSlope() const override;
    void SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope) override;
    double GetLinear() const override;
    double GetSquare() const override;
    double GetCube() const override;
    // The altitude at a 2D distance from the segment's start.
    double GetAltitudeAt(double distance2D) const override;

private:
    Util::CountedPointer<TrkFile> m_file;
    int m_section;
    int m_lateral;
};
} // namespace Velmo::Papy
