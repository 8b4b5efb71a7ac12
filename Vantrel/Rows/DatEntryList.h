#pragma once
// The entry list of a DAT document: five columns over the archive's entries, in load order
// until a column header is clicked, then sorted by that column: ascending on the first click,
// descending on the next click of the same column, and so on. Texts are made when a row is
// asked for, so that a virtual list control formats only the rows it shows.
#include <string>
#include <vector>

#include "Papy/Container/DatFile.h"
#include "Util/CountedPointer.h"

struct DatColumn
{
    const char* Heading;
    int Width; // pixels
};

class DatEntryList
{
public:
    enum Column
    {
        NameColumn = 0,
        TypeColumn = 1,
        DirectoryColumn = 2,
        SizeColumn = 3,
        CompressedSizeColumn = 4
    };
    static constexpr int ColumnCount = 5;
    // "Name", "Type", "Directory", "Size", "Compressed Size", all left-aligned.
    static const DatColumn Columns[ColumnCount];

    // Every entry of the archive in load order; no rows without an archive.
    explicit DatEntryList(const Velmo::Util::CountedPointer<Velmo::Papy::DatFile>& dat);

    int GetRowCount() const { return int(m_order.size()); }
    // The archive index of the entry shown in row (the row's item data).
    int GetEntry(int row) const;
    std::string GetText(int row, int column) const;
    // The text of an entry's column: name, extension, folder, size and compressed size in
    // decimal.
    std::string GetEntryText(int entry, int column) const;

    // 0 in load order; otherwise column + 1, negated for descending order.
    int GetSortColumn() const { return m_sortColumn; }
    // A click on a column header: the same column again reverses the order, another column
    // sorts ascending by it. Entries that compare equal keep the order they were shown in.
    void ClickColumn(int column);
    // The order of two entries under the current sort column: negative when a comes first,
    // positive when b does, 0 when they are equal or the list is in load order. Names, types
    // and folders compare byte by byte (so "Beta" < "Gamma" < "alpha"); sizes as numbers.
    int Compare(int a, int b) const;

private:
    Velmo::Util::CountedPointer<Velmo::Papy::DatFile> m_dat;
    std::vector<int> m_order;
    int m_sortColumn = 0;
};
