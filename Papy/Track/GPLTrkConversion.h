#pragma once
// Makes a GPL track of any track file (an ICR2 track, most often), through the source's
// interface only: the sections and traces as they are; each floor and wall given its GPL code
// (GPLTrkCodes); every section closed by a boundary of the closing kind at the left edge of its
// last strip; and each wall placed among the floor boundaries, splitting the strip it stands in.
#include <cstddef>

#include "Papy/Track/GPLTrkFile.h"

namespace Velmo::Papy
{
class GPLTrkConversion
{
public:
    // Fills target, which holds no section yet, from source; a source with more than 16
    // laterals raises XUsage. The caller builds the target's longitude maps.
    static void Fill(const TrkFile& source, GPLTrkFile& target);

private:
    GPLTrkConversion(const TrkFile& source, GPLTrkFile& target) : m_source(source), m_target(target) {}

    TrkSection MakeSection(int s) const;
    void AddTraces(int s, bool corner);
    // The floor boundaries of section s and its closing boundary.
    void AddFloors(int s);
    // Wall w of section s, among the section's boundaries from first on.
    void PlaceWall(int s, int w, std::size_t first);

    const TrkFile& m_source;
    GPLTrkFile& m_target;
};
} // namespace Velmo::Papy
