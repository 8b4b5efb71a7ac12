#pragma once
// The Field/Value rows of one layout control, as the layout's field pane lists them:
//
//   Name, Index, Type, X, Y, Width, Height, Relative To Control, Relative Value, Group Id,
//   Parent Group Id, String Id (only for a text control, type class 3), then one "Unknown" row
//   per further value.
//
// Every value but the name is a decimal integer. Each row names the field it shows, so that an
// edit of a row reaches the right field whether or not the "String Id" row is there.
#include <string>
#include <vector>

#include "Papy/Race/LytFile.h"

enum class LytField
{
    Name,
    Index,
    Type,
    X,
    Y,
    Width,
    Height,
    RelativeToControl,
    RelativeValue,
    GroupId,
    ParentGroupId,
    StringId,
    Unknown
};

struct LytFieldRow
{
    LytField Field;
    std::string Label;
    std::string Value;
};

// The column headings and widths of the pane: "Field" 100, "Value" 500.
struct LytFieldColumns
{
    static constexpr const char* FieldHeading = "Field";
    static constexpr int FieldWidth = 100;
    static constexpr const char* ValueHeading = "Value";
    static constexpr int ValueWidth = 500;
};

// The rows of control (0 <= control < GetControlCount()).
std::vector<LytFieldRow> MakeLytFieldRows(const Velmo::Papy::LytFile& file, int control);

// Whether an edit of a row of this field is written to the file (the index, the type and the
// unknown values are shown only).
bool IsLytFieldEditable(LytField field);
