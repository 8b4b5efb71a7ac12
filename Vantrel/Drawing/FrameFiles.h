#pragma once
// The files a walk makes by name (external objects, sprites' scaled bitmaps), asked of the folder
// once a frame: a name asked again in the frame is answered with what the first ask gave, so
// that an object naming another thousands of times looks it up on disk once, not at every use
// (each ask compares the file on disk with the cached object). NewFrame begins a frame: the next
// ask of each name goes to the folder again, and sees a file changed on disk since. A name that
// failed is not asked again for the walk's life (MakeOnce).
#include <map>
#include <set>
#include <string>

#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FileErrors.h"

template <class File>
class FrameFiles
{
public:
    // The file of the name into `file` through `facet`; false when it cannot be had (told once
    // in `report`).
    template <class Facet>
    bool Make(Facet& facet, Velmo::Util::CountedPointer<File>& file, const std::string& name, DrawingReport& report)
    {
        if (const auto made = m_made.find(name); made != m_made.end())
        {
            file = made->second;
            return true;
        }
        if (!MakeOnce(facet, file, name, m_failed, report))
            return false;
        m_made.emplace(name, file);
        return true;
    }

    void NewFrame() { m_made.clear(); }

private:
    std::map<std::string, Velmo::Util::CountedPointer<File>> m_made;
    std::set<std::string> m_failed;
};
