#pragma once
// The passes that run after a GPL .3do file has been read: a file with an object locator is a
// track object, otherwise a file with a vertex fixer is a car object, and the generic lists of
// its top are rebuilt as the typed nodes of that kind of object.
namespace Velmo::Papy
{
class GPLTdoFile;

class GPLTdoFixups
{
public:
    static void RunTrackFixup(GPLTdoFile& file);
    static void RunCarFixup(GPLTdoFile& file);
};
} // namespace Velmo::Papy
