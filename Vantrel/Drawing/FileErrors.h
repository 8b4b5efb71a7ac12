#pragma once
// How the drawing walks meet a file that cannot be made: an OpenGL error goes on to the frame
// (it is not the file's fault), any other error of the library is told in the walk's report by
// its own text and the walk draws past it. A name that failed once is not looked for again.
#include <set>
#include <string>

#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingReport.h"

// Runs `attempt` (a callable returning true when it has what it came for) and returns what it
// returned; false when it threw a file error, whose text is added to `report`.
template <class Attempt>
bool ReportFileErrors(DrawingReport& report, Attempt attempt)
{
    try
    {
        return attempt();
    }
    catch (const Velmo::OpenGL::XOpenGL&)
    {
        throw;
    }
    catch (const Velmo::Util::Exception& error)
    {
        report.Add(error.GetText());
    }
    return false;
}

// Makes the file `name` into `file` through `facet`; false, without asking the facet, when the
// name is in `failed`, and false when the making fails (told in `report`, the name added to
// `failed`).
template <class Facet, class File>
bool MakeOnce(Facet& facet, Velmo::Util::CountedPointer<File>& file, const std::string& name,
              std::set<std::string>& failed, DrawingReport& report)
{
    if (failed.contains(name))
        return false;
    if (ReportFileErrors(report, [&] {
            facet.Make(file, name, "", false);
            return true;
        }))
        return true;
    failed.insert(name);
    return false;
}
