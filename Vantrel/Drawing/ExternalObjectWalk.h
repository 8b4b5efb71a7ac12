#pragma once
// Walks an external object's root with the walk that named it, inside its ExternalObjectStack:
// an object the stack refuses (a cycle, too deep a nesting) is not walked and the refusal is
// told in the report as "<why>: the repeat is not <done>". While inside, `nestedDepth` (when
// given) counts one more level; both are put back however the walk ends. A file without a root
// (a new file) has nothing to walk.
#include <string>

#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ExternalObjectStack.h"

template <class Visitor>
void WalkExternalObject(Visitor& visitor, Velmo::Papy::TdoFile& file, const std::string& name,
                        ExternalObjectStack& externals, unsigned* nestedDepth, DrawingReport& report,
                        const char* done)
{
    Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> root;
    root = file.GetRoot();
    if (!root)
        return;
    const std::string refused = externals.Enter(name, &file);
    if (!refused.empty())
    {
        report.Add(refused + ": the repeat is not " + done);
        return;
    }
    if (nestedDepth != nullptr)
        ++*nestedDepth;
    struct Scope
    {
        ExternalObjectStack& externals;
        unsigned* nestedDepth;
        ~Scope()
        {
            if (nestedDepth != nullptr)
                --*nestedDepth;
            externals.Leave();
        }
    } scope{externals, nestedDepth};
    root->Accept(visitor);
}
