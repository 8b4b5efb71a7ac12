#include "Vantrel/Rows/LytFieldRows.h"

#include "Util/Exception.h"

std::vector<LytFieldRow> MakeLytFieldRows(const Velmo::Papy::LytFile& file, int control)
{
    VELMO_ASSERT(control >= 0 && control < file.GetControlCount());
    std::vector<LytFieldRow> rows;
    auto add = [&rows](LytField field, const char* label, std::string value) {
        rows.push_back(LytFieldRow{field, label, std::move(value)});
    };
    add(LytField::Name, "Name", file.GetName(control));
    add(LytField::Index, "Index", std::to_string(control));
    add(LytField::Type, "Type", std::to_string(file.GetType(control)));
    add(LytField::X, "X", std::to_string(file.GetX(control)));
    add(LytField::Y, "Y", std::to_string(file.GetY(control)));
    add(LytField::Width, "Width", std::to_string(file.GetWidth(control)));
    add(LytField::Height, "Height", std::to_string(file.GetHeight(control)));
    add(LytField::RelativeToControl, "Relative To Control", std::to_string(file.GetRelativeToControl(control)));
    add(LytField::RelativeValue, "Relative Value", std::to_string(file.GetRelativeValue(control)));
    add(LytField::GroupId, "Group Id", std::to_string(file.GetGroupId(control)));
    add(LytField::ParentGroupId, "Parent Group Id", std::to_string(file.GetParentGroupId(control)));
    if (file.GetTypeClass(control) == 3)
        add(LytField::StringId, "String Id", std::to_string(file.GetStringId(control)));
    for (int k = 0; k < file.GetExtraCount(); ++k)
        add(LytField::Unknown, "Unknown", std::to_string(file.GetExtra(control, k)));
    return rows;
}

bool IsLytFieldEditable(LytField field)
{
    return field != LytField::Index && field != LytField::Type && field != LytField::Unknown;
}
