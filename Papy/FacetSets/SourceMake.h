#pragma once
// The standard look-up of a Make source for the facets whose loader needs more than the opened
// stream (the resolved file name, the folder's factory): the same name resolution, key, cache
// and error as StandardMakeSource::Make, with any callable as the loader.
#include <string>

#include "Papy/Container/DatFile.h"
#include "Papy/Factory/MakeLookup.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
// The object of name and extension from the source's cache, or loaded by load(stream, file)
// and cached; a file neither in the folder nor in the DAT raises the source's XFileOpen.
template <class Object, class Load>
void MakeThrough(StandardMakeSource<Object>& source, Util::CountedPointer<Object>& object, const std::string& name,
                 const std::string& extension, bool datOnly, Load load)
{
    const std::string file = MakeLookup::StandardFileName(source.GetDirectory(), name, extension,
                                                          source.GetDefaultExtension());
    const std::string key = MakeLookup::Key(file);
    if (auto cached = source.GetCache().Find(key))
    {
        object = cached;
        return;
    }
    Util::CountedPointer<Object> made =
        load(MakeLookup::OpenStandard(source.GetDirectory(), source.GetDat(), key, file, datOnly), file);
    source.GetCache().Store(key, made);
    object = made;
}

// The same without the final error: empty when the file is neither in the folder nor in the DAT.
template <class Object, class Load>
Util::CountedPointer<Object> TryMakeThrough(StandardMakeSource<Object>& source, const std::string& name,
                                            const std::string& extension, bool datOnly, Load load)
{
    const std::string file = MakeLookup::StandardFileName(source.GetDirectory(), name, extension,
                                                          source.GetDefaultExtension());
    const std::string key = MakeLookup::Key(file);
    if (auto cached = source.GetCache().Find(key))
        return cached;
    Util::CountedPointer<Util::BinaryStream> stream;
    if (!datOnly)
        stream = MakeLookup::OpenLoose(source.GetDirectory(), key);
    if (!stream && source.GetDat())
        stream = source.GetDat()->OpenEntry(key);
    if (!stream)
        return {};
    Util::CountedPointer<Object> made = load(stream, file);
    source.GetCache().Store(key, made);
    return made;
}
} // namespace Velmo::Papy
