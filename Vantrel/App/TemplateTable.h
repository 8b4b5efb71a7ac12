#pragma once
// The eleven document templates in the order they are added (which is the order in which a
// file's name is matched), with their document strings, and the extension matching.
//
// A document string has seven fields separated by '\n': window title, document name, file-new
// name, filter name, filter extensions (".3do;.ptf"), type id and type name.
#include <string>
#include <vector>

class CTemplateTable
{
public:
    enum Field { WindowTitle, DocName, FileNewName, FilterName, FilterExtensions, TypeId, TypeName };

    struct Entry
    {
        int Id;                // string, menu, accelerator and icon resource id
        const char* Strings;   // the seven fields
    };

    static const std::vector<Entry>& Entries();
    static const Entry* Find(int id);
    static std::string GetField(const Entry& entry, Field field);

    // Whether a path's extension is one of the template's: the text from the path's last '.'
    // equals the whole filter-extension string or one of its ';'-separated pieces, ignoring
    // case. An empty extension string matches nothing.
    static bool MatchesExtension(const std::string& path, const std::string& filterExtensions);
    // The template a path opens with: the first whose extensions match, else the first
    // template (the hexadecimal dump).
    static int MatchPath(const std::string& path);

    static constexpr int HexDumpId = 132;
    static constexpr int DatId = 129;
    static constexpr int MainFrameId = 128;
};
