#pragma once
// How a Make facet turns a requested name into a cache key and finds the file behind it. Shared
// by every Make source; the sources add the cache and the object.
//
// A key is the file name lower-cased (A to Z only). A key reaches the disk only as the
// factory's folder followed by the key, '\' read as '/', matched without regard to case
// component by component, and only when it is a safe relative name: a key with "..", an
// empty or an absolute component never leaves the folder (it can still name a DAT entry).
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class DatFile;

namespace MakeLookup
{
// The file a standard source looks for: the name split at its last '.' (an empty name is the
// folder's own name, without extension), the extension argument replacing the name's own when
// given, else the default extension when the name has none; "base.ext", or "base" without one.
std::string StandardFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                             const std::string& defaultExtension);

// The file a source without DAT looks for: the name unchanged (or the folder's name) followed
// by "." and the extension argument, or the default extension when it is empty.
std::string LooseFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                          const std::string& defaultExtension);

// The cache key of a file name: lower-cased with the classic locale.
std::string Key(const std::string& file);

// The loose file of a key in the folder, opened for reading; empty when the key is not a safe
// relative name, names no file, or the file cannot be opened.
Util::CountedPointer<Util::BinaryStream> OpenLoose(const PapyDirectory& directory, const std::string& key);

// The stream of a standard source: the loose file unless datOnly, else the DAT entry of the
// key. Neither: XFileOpen(folder path + file, "File not found"), the file in the caller's case.
Util::CountedPointer<Util::BinaryStream> OpenStandard(const PapyDirectory& directory,
                                                      const Util::CountedPointer<DatFile>& dat,
                                                      const std::string& key, const std::string& file, bool datOnly);
} // namespace MakeLookup
} // namespace Velmo::Papy
