#pragma once
// The sample folders of the drawing tests, written at build time by drawing_samples.py (with
// the GPL, N4 and bitmap generators; DrawingSamples.cmake), with the values the script
// expects: bounds by name and plan pixels. Files are opened through their folder's factory,
// as the 3D-object document opens them.
#include <gtest/gtest.h>

#include <stdexcept>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/ViewCamera.h"

namespace DrawingTest
{
using Velmo::Util::CountedPointer;

struct Pixel
{
    std::string Kind;
    int X;
    int Y;
};

class Samples
{
public:
    // The width and height the expected plan pixels are worked out for.
    static constexpr int Width = 96;
    static constexpr int Height = 64;

    static Samples& Get()
    {
        static Samples samples;
        return samples;
    }

    std::string Path(const std::string& relative) const { return m_folder + "/" + relative; }

    CountedPointer<Velmo::Papy::FileFactory> Factory(const std::string& folder) const
    {
        return Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(Path(folder), false);
    }
    // A GPL .3do of the gpl folder (name without extension).
    CountedPointer<Velmo::Papy::TdoFile> Gpl(const std::string& name) const
    {
        CountedPointer<Velmo::Papy::TdoFile> file;
        Factory("gpl")->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, "3do", false);
        return file;
    }
    // An N4 .ptf of the n4 folder.
    CountedPointer<Velmo::Papy::TdoFile> Ptf(const std::string& name) const
    {
        CountedPointer<Velmo::Papy::TdoFile> file;
        Factory("n4")->GetFacet<Velmo::Papy::MakePtf>()->Make(file, name, "ptf", false);
        return file;
    }
    static CountedPointer<Velmo::Papy::ThreeDObject> Root(const CountedPointer<Velmo::Papy::TdoFile>& file)
    {
        CountedPointer<Velmo::Papy::ThreeDObject> root;
        root = file->GetRoot();
        return root;
    }

    const ViewBounds& Bounds(const std::string& name) const
    {
        auto found = m_bounds.find(name);
        if (found == m_bounds.end())
            throw std::runtime_error("no expected bounds for " + name);
        return found->second;
    }
    const std::vector<Pixel>& PlanPixels() const { return m_pixels; }

private:
    Samples() : m_folder(VELMO_DRAWING_SAMPLE_DIR)
    {
        std::ifstream in(Path("expected.txt"));
        if (!in)
            throw std::runtime_error("no " + Path("expected.txt") + ": the samples are written at build time");
        std::string line;
        while (std::getline(in, line))
        {
            std::istringstream words(line);
            std::string what, name;
            words >> what >> name;
            if (what == "bounds")
            {
                ViewBounds b;
                words >> b.MinX >> b.MaxX >> b.MinY >> b.MaxY >> b.MinZ >> b.MaxZ;
                m_bounds[name] = b;
            }
            else if (what == "pixel")
            {
                Pixel p;
                words >> p.Kind >> p.X >> p.Y;
                m_pixels.push_back(p);
            }
        }
    }

    std::string m_folder;
    std::map<std::string, ViewBounds> m_bounds;
    std::vector<Pixel> m_pixels;
};

// Each value within tolerance of the expected one.
inline void ExpectBounds(const ViewBounds& actual, const ViewBounds& expected, const std::string& name,
                         double tolerance = 1e-4)
{
    EXPECT_NEAR(actual.MinX, expected.MinX, tolerance) << name;
    EXPECT_NEAR(actual.MaxX, expected.MaxX, tolerance) << name;
    EXPECT_NEAR(actual.MinY, expected.MinY, tolerance) << name;
    EXPECT_NEAR(actual.MaxY, expected.MaxY, tolerance) << name;
    EXPECT_NEAR(actual.MinZ, expected.MinZ, tolerance) << name;
    EXPECT_NEAR(actual.MaxZ, expected.MaxZ, tolerance) << name;
}
} // namespace DrawingTest
