#pragma once
// The two-column list of a field pane: "Field" (100 pixels) and "Value" (500), one row per
// field, rebuilt whole on every change. The list is virtual: it keeps the rows as the listing
// made them (texts in code page 1252) and converts only the rows it shows.
#include <string>
#include <vector>

#include <wx/listctrl.h>

#include "Vantrel/Visitors/ThreeDObjectRowSink.h"

class CFieldList : public wxListCtrl
{
public:
    struct Row
    {
        std::string Label;
        std::string Value;
    };

    // Collects the rows of one listing.
    class Sink : public ThreeDObjectRowSink
    {
    public:
        void AddRow(const std::string& label, const std::string& value) override { Rows.push_back({label, value}); }
        std::vector<Row> Rows;
    };

    explicit CFieldList(wxWindow* parent);

    // Shows these rows in place of the ones shown.
    void SetRows(std::vector<Row> rows);
    void Clear();
    int GetRowCount() const { return int(m_rows.size()); }
    // The row's label, as the listing wrote it; empty for a row that is not there.
    std::string GetLabel(int row) const;
    std::string GetValue(int row) const;

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    std::vector<Row> m_rows;
};
