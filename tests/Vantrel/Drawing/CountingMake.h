// A Make facet that hands every request to another factory's facet of its kind and counts the
// requests by name: shared by the check visitor's tests and the 3D pane's benchmark.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "Util/CountedPointer.h"

namespace DrawingTest
{
template <class Kind>
class CountingMake : public Kind
{
public:
    typedef typename Kind::ObjectType Object;
    explicit CountingMake(Velmo::Util::CountedPointer<Kind> inner) : m_inner(std::move(inner)) {}
    void Make(Velmo::Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly) override
    {
        ++Requests[name];
        m_inner->Make(object, name, extension, datOnly);
    }
    void Adopt(const Velmo::Util::CountedPointer<Object>& object, const std::string& name,
               const std::string& extension) override
    {
        m_inner->Adopt(object, name, extension);
    }
    void PurgeCache() override { m_inner->PurgeCache(); }

    std::map<std::string, int> Requests;

private:
    Velmo::Util::CountedPointer<Kind> m_inner;
};
} // namespace DrawingTest
