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
#include "Util/LookupPass.h"

namespace Velmo::Papy
{
// The object of name and extension from the source's cache, or loaded by load(stream, file)
// and cached; empty when the file is neither in the folder nor in the DAT.
template <class Object, class Load>
Util::CountedPointer<Object> TryMakeThrough(StandardMakeSource<Object>& source, const std::string& name,
                                            const std::string& extension, bool datOnly, Load load)
{
    const std::string file = MakeLookup::StandardFileName(source.GetDirectory(), name, extension,
                                                          source.GetDefaultExtension());
    return MakeLookup::Cached(
        source.GetCache(), source.GetDirectory(), source.GetDat(), file, datOnly,
        [&](const Util::CountedPointer<Util::BinaryStream>& stream) { return load(stream, file); });
}

// The same, a file neither in the folder nor in the DAT raising the source's XFileOpen.
template <class Object, class Load>
void MakeThrough(StandardMakeSource<Object>& source, Util::CountedPointer<Object>& object, const std::string& name,
                 const std::string& extension, bool datOnly, Load load)
{
    Util::LookupPass pass;
    Util::CountedPointer<Object> made = TryMakeThrough(source, name, extension, datOnly, load);
    if (!made)
        MakeLookup::ThrowNotFound(source.GetDirectory(),
                                  MakeLookup::StandardFileName(source.GetDirectory(), name, extension,
                                                               source.GetDefaultExtension()));
    object = made;
}
} // namespace Velmo::Papy
