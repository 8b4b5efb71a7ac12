#pragma once
// A path on its way through the toolkit: the toolkit keeps paths as Unicode strings, the system
// and the game files name files by bytes, which need not be UTF-8 (a container's entry named in
// code page 1252). A path goes to the toolkit and back unchanged: UTF-8 as its characters, every
// other byte as a private-use character of its own (as the toolkit itself converts the names
// it gets from the system). What a widget shows of a path is CodePage1252::Shown of its bytes,
// never the path itself.
#include <string>

#include <wx/string.h>

class CPathText
{
public:
    static wxString ToWx(const std::string& path);
    static std::string FromWx(const wxString& path);
    // The last part of a path, readable: what a document's tab shows.
    static wxString ShownName(const std::string& path);
    // A text made of paths on their way through the toolkit (a menu's label of a path), readable.
    static wxString Shown(const wxString& text);
};
