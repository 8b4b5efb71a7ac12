#include "Vantrel/Rows/LytEditor.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Util/Exception.h"
#include "Vantrel/Text/CodePage1252.h"

using namespace Velmo;

LytEditor::LytEditor(const Util::CountedPointer<Papy::LytFile>& file) : m_file(file)
{
    Fill();
}

void LytEditor::Fill()
{
    m_items.clear();
    if (!m_file)
        return;
    int count = m_file->GetControlCount();
    m_items.reserve(std::size_t(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        m_items.push_back(Item{m_file->GetName(i), i});
}

int LytEditor::FindItem(int control) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].Control == control)
            return int(i);
    return -1;
}

bool LytEditor::IsControl(int control) const
{
    return m_file && control >= 0 && control < m_file->GetControlCount();
}

void LytEditor::Show(int control)
{
    VELMO_ASSERT(control == -1 || IsControl(control));
    m_shown = control;
}

std::vector<LytFieldRow> LytEditor::GetRows() const
{
    if (m_shown == -1)
        return {};
    return MakeLytFieldRows(*m_file, m_shown);
}

bool LytEditor::Edit(int row, const std::string& text)
{
    VELMO_ASSERT_AT(m_shown != -1, "index != -1", ".\\LytListView.cpp", 193);
    VELMO_ASSERT(IsControl(m_shown));
    std::vector<LytFieldRow> rows = MakeLytFieldRows(*m_file, m_shown);
    if (row < 0 || std::size_t(row) >= rows.size())
        return false;
    Papy::LytFile& file = *m_file;
    const int i = m_shown;
    switch (rows[std::size_t(row)].Field)
    {
    case LytField::Name:
    {
        file.SetName(i, CutName(text));
        int item = FindItem(i);
        if (item != -1)
            m_items[std::size_t(item)].Text = file.GetName(i);
        return true;
    }
    case LytField::X:
        file.SetX(i, ParseNumber(text));
        return true;
    case LytField::Y:
        file.SetY(i, ParseNumber(text));
        return true;
    case LytField::Width:
        file.SetWidth(i, ParseNumber(text));
        return true;
    case LytField::Height:
        file.SetHeight(i, ParseNumber(text));
        return true;
    case LytField::RelativeToControl:
        file.SetRelativeToControl(i, ParseNumber(text));
        return true;
    case LytField::RelativeValue:
        file.SetRelativeValue(i, ParseNumber(text));
        return true;
    case LytField::GroupId:
        file.SetGroupId(i, ParseNumber(text));
        return true;
    case LytField::ParentGroupId:
        file.SetParentGroupId(i, ParseNumber(text));
        return true;
    case LytField::StringId:
        file.SetStringId(i, ParseNumber(text));
        return true;
    case LytField::Index:
    case LytField::Type:
    case LytField::Unknown:
        return false;
    }
    return false;
}

LytEditor::Typed LytEditor::EditTyped(int row, const std::string& utf8)
{
    VELMO_ASSERT_AT(m_shown != -1, "index != -1", ".\\LytListView.cpp", 193);
    VELMO_ASSERT(IsControl(m_shown));
    std::string text = utf8;
    const std::vector<LytFieldRow> rows = MakeLytFieldRows(*m_file, m_shown);
    if (row >= 0 && std::size_t(row) < rows.size() && rows[std::size_t(row)].Field == LytField::Name &&
        !CodePage1252::FromUtf8(utf8, text))
        return Typed::Refused;
    return Edit(row, text) ? Typed::Written : Typed::Unchanged;
}

bool LytEditor::CanCopy(int selected) const
{
    return IsControl(selected);
}

bool LytEditor::CanPaste(int selected) const
{
    return IsControl(selected) && m_file->IsClipboardControlAvailable();
}

bool LytEditor::CanDelete(int selected) const
{
    return IsControl(selected);
}

void LytEditor::Copy(int selected)
{
    VELMO_ASSERT(CanCopy(selected));
    m_file->CopyControl(selected);
}

int LytEditor::Paste(int selected)
{
    VELMO_ASSERT(CanPaste(selected));
    const int item = FindItem(selected);
    VELMO_ASSERT(item != -1);
    const int pasted = selected + 1;
    m_file->PasteControl(pasted);
    for (Item& other : m_items)
        if (other.Control >= pasted)
            ++other.Control;
    m_items.insert(m_items.begin() + item + 1, Item{m_file->GetName(pasted), pasted});
    m_shown = pasted;
    return pasted;
}

int LytEditor::Delete(int selected)
{
    VELMO_ASSERT(CanDelete(selected));
    const int item = FindItem(selected);
    VELMO_ASSERT(item != -1);
    m_file->DeleteControl(selected);
    m_items.erase(m_items.begin() + item);
    for (Item& other : m_items)
        if (other.Control >= selected)
            --other.Control;
    int next = -1;
    if (!m_items.empty())
        next = m_items[std::size_t(item) < m_items.size() ? std::size_t(item) : m_items.size() - 1].Control;
    m_shown = next;
    return next;
}

int LytEditor::ParseNumber(const std::string& text)
{
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

std::string LytEditor::CutName(const std::string& text)
{
    return text.size() > NameLimit ? text.substr(0, NameLimit) : text;
}
