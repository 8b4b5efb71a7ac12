#pragma once
// Names and paths of the host file system. The games' files come from a system whose file
// names ignore case, and their names may use '\' as a separator: every path entering the
// library is read with '\' as '/', made absolute, and, where it does not exist as written,
// matched component by component without regard to case (A to Z only).
#include <cstdint>
#include <locale>
#include <string>
#include <vector>

namespace Velmo::Util
{
// A copy of text with every character lower-cased through the locale; with the classic
// locale only the letters A to Z change.
std::string ToLower(const std::string& text, const std::locale& locale = std::locale::classic());

// Compares after lower-casing as ToLower does: at the first difference, the difference of the
// two characters taken as signed 8-bit values; when one is a prefix of the other, the
// difference of the lengths. 0 means equal ignoring case.
int CompareNoCase(const std::string& a, const std::string& b,
                  const std::locale& locale = std::locale::classic());

// True when name (resolved as below) exists and is not a folder.
bool FileExists(const std::string& name);

// Makes path absolute against the current folder: '\' reads as '/', empty and "." components
// are dropped and ".." removes the component before it, without looking at the disk. The
// result has no trailing '/' except for the root "/". Returns false for an empty path, a path
// holding a zero byte or an unreadable current folder (result unchanged), and for a result of
// PATH_MAX characters or more (result set to that overlong path, so callers can tell).
bool MakeAbsolutePath(const std::string& path, std::string& result);

// The one case-insensitive resolver. Takes an absolute path as MakeAbsolutePath gives it and
// returns it unchanged when it exists as written; otherwise walks it from the root and
// replaces each component that does not exist as written by the entry of its folder that
// equals it ignoring case (the first in NameLess order when several do). From the first
// component that matches nothing, the rest is kept as written.
//
// A folder is listed at most once for any number of names looked up in it while it stays
// unchanged, and a path found missing is not resolved again within a look-up pass (see
// LookupPass).
std::string ResolveCase(const std::string& absolutePath);
// The same; listingError is the system's error code when the folder where the path stopped
// resolving could not be listed (so a match without regard to case could not be looked for),
// else 0.
std::string ResolveCase(const std::string& absolutePath, int& listingError);

// MakeAbsolutePath followed by ResolveCase; false when the path cannot be made absolute.
bool ResolvePath(const std::string& path, std::string& result);

// True when the folder of an absolute path holds, besides the path's own last name, an entry
// whose name equals it without regard to case: two entries that a system ignoring case would
// take for one. False when the folder cannot be read.
bool HasCaseTwin(const std::string& absolutePath);

// The one fixed order of folder entries: CompareNoCase first, the bytes as a tie-break.
bool NameLess(const std::string& a, const std::string& b);

// The names in a folder, "." and ".." included, in NameLess order. Returns false and sets
// error to the system's error code when the folder cannot be opened or read. This is the one
// place that lists a folder.
bool ReadFolderNames(const std::string& folder, std::vector<std::string>& names, int& error);

// How many times the process has listed a folder (calls of ReadFolderNames), for tests and
// benchmarks that count what a look-up costs.
std::uint64_t FolderListings();

// Matches a name against a pattern of '*' (any run of characters) and '?' (any one
// character), ignoring case as CompareNoCase does.
bool MatchWildcard(const std::string& pattern, const std::string& name);

// The system's text for an error code.
std::string SystemErrorText(int error);
} // namespace Velmo::Util
