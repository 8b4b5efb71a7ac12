#include "Vantrel/Rows/DatEntryList.h"

#include <algorithm>

#include "Util/Exception.h"

using Velmo::U32;

const DatColumn DatEntryList::Columns[ColumnCount] = {
    {"Name", 80}, {"Type", 50}, {"Directory", 80}, {"Size", 80}, {"Compressed Size", 80}};

namespace
{
int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int CompareSizes(U32 a, U32 b)
{
    return (a > b) - (a < b);
}
} // namespace

DatEntryList::DatEntryList(const Velmo::Util::CountedPointer<Velmo::Papy::DatFile>& dat) : m_dat(dat)
{
    int count = m_dat ? m_dat->GetEntryCount() : 0;
    m_order.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        m_order.push_back(i);
}

int DatEntryList::GetEntry(int row) const
{
    VELMO_ASSERT(row >= 0 && row < GetRowCount());
    return m_order[std::size_t(row)];
}

std::string DatEntryList::GetText(int row, int column) const
{
    return GetEntryText(GetEntry(row), column);
}

std::string DatEntryList::GetEntryText(int entry, int column) const
{
    VELMO_ASSERT(m_dat);
    switch (column)
    {
    case NameColumn:
        return m_dat->GetEntryName(entry);
    case TypeColumn:
        return m_dat->GetEntryExtension(entry);
    case DirectoryColumn:
        return m_dat->GetEntryFolder(entry);
    case SizeColumn:
        return std::to_string(m_dat->GetEntrySize(entry));
    case CompressedSizeColumn:
        return std::to_string(m_dat->GetEntryCompressedSize(entry));
    }
    VELMO_ASSERT_TEXT(false, "false");
    return std::string();
}

int DatEntryList::Compare(int a, int b) const
{
    if (!m_dat || m_sortColumn == 0)
        return 0;
    int column = std::abs(m_sortColumn) - 1;
    int order = 0;
    switch (column)
    {
    case SizeColumn:
        order = CompareSizes(m_dat->GetEntrySize(a), m_dat->GetEntrySize(b));
        break;
    case CompressedSizeColumn:
        order = CompareSizes(m_dat->GetEntryCompressedSize(a), m_dat->GetEntryCompressedSize(b));
        break;
    default:
        order = Sign(GetEntryText(a, column).compare(GetEntryText(b, column)));
        break;
    }
    return m_sortColumn < 0 ? -order : order;
}

void DatEntryList::ClickColumn(int column)
{
    VELMO_ASSERT(column >= 0 && column < ColumnCount);
    int clicked = column + 1;
    m_sortColumn = (m_sortColumn == clicked || m_sortColumn == -clicked) ? -m_sortColumn : clicked;
    if (!m_dat)
        return;

    // Each entry's key is taken once, not once per comparison.
    const bool descending = m_sortColumn < 0;
    const std::size_t count = m_order.size();
    if (column == SizeColumn || column == CompressedSizeColumn)
    {
        std::vector<U32> keys(count);
        for (std::size_t i = 0; i < count; ++i)
            keys[i] = column == SizeColumn ? m_dat->GetEntrySize(int(i)) : m_dat->GetEntryCompressedSize(int(i));
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            int order = CompareSizes(keys[std::size_t(a)], keys[std::size_t(b)]);
            return (descending ? -order : order) < 0;
        });
    }
    else
    {
        std::vector<std::string> keys(count);
        for (std::size_t i = 0; i < count; ++i)
            keys[i] = GetEntryText(int(i), column);
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            int order = Sign(keys[std::size_t(a)].compare(keys[std::size_t(b)]));
            return (descending ? -order : order) < 0;
        });
    }
}
