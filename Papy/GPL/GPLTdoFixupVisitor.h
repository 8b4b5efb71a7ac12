#pragma once
// What the track and car fix-ups share. A fix-up walks the tree from the root and, on
// entering certain nodes, replaces some of their children in the file's node table by typed
// nodes made from those lists; the walk then reaches the new nodes under the same ids.
//
// Each node is entered once: a node that several parents name (a shared child, or a handle
// naming an object of the tree) has its children walked the first time only, so the walk
// takes time in proportion to the number of references, and no list is converted twice.
// A record's node is remembered in a flat array by the record's position in the file's table
// (the node there may be replaced, so the array holds the node entered); other nodes in a set.
#include <unordered_set>
#include <vector>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLTdoFixupVisitor : public ThreeDObjectVisitor
{
public:
    explicit GPLTdoFixupVisitor(GPLTdoFile& file);

    bool Enter(ThreeDObject& node) override { return FirstEntry(node); }

protected:
    // True the first time a node is entered.
    bool FirstEntry(ThreeDObject& node);

    // The check a conversion fails: its text and its line in the loader's unit, as users know it.
    struct Expectation
    {
        const char* text;
        int line;
    };
    static constexpr Expectation NumberListExpected{"nl != 0", 2063};
    static constexpr Expectation TrackObjectListExpected{"ol != 0", 2070};
    static constexpr Expectation CarObjectListExpected{"ol != 0", 2132};

    // Replaces child by a Typed node made from it as a List (ThreeDObjectObjectList or
    // ThreeDObjectNumberList); a child of another kind fails the assertion named, in the
    // loader's unit. A child that is already a Typed node (reached before through another
    // parent) stays as it is.
    template <class Typed, class List>
    void Replace(const Util::CountedPointer<ThreeDObject>& child, const Expectation& expected)
    {
        if (dynamic_cast<Typed*>(child.Get()) != nullptr)
            return;
        List* list = dynamic_cast<List*>(child.Get());
        if (list == nullptr)
            Util::ThrowAssertion(expected.text, ".\\GPLTdoFile.cpp", expected.line);
        Util::CountedPointer<ThreeDObject> typed(new Typed(m_file, *list));
        // The list stays alive until the walk ends, so no later node can take its address.
        m_replaced.push_back(child);
        AddToFile(typed);
    }

    GPLTdoFile& m_file;

private:
    void AddToFile(const Util::CountedPointer<ThreeDObject>& node);

    // By record position: the node entered there, if any.
    std::vector<const ThreeDObject*> m_enteredRecords;
    std::unordered_set<const ThreeDObject*> m_entered;
    std::vector<Util::CountedPointer<ThreeDObject>> m_replaced;
};
} // namespace Velmo::Papy
