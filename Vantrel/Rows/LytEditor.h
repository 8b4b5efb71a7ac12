#pragma once
// The layout panes without their widgets: the tree's items (one per control, in file order,
// each carrying its control index), the control the field pane shows and its rows, the
// in-place edit of a row, and copy, paste and delete of whole controls with the renumbering of
// the items. The panes show what this model holds and send their commands to it; the document
// marks itself modified after each edit, paste and delete.
//
// Selections are control indices (the items' data), -1 for none. Hints between the panes are
// control index + 1, 0 meaning nothing.
#include <cstddef>
#include <string>
#include <vector>

#include "Papy/Race/LytFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Rows/LytFieldRows.h"

class LytEditor
{
public:
    struct Item
    {
        std::string Text; // the control's name
        int Control;      // the control's index
    };

    // The name field holds 256 bytes with its terminating zero.
    static constexpr std::size_t NameLimit = 255;

    // The items of every control of the file; nothing shown. Without a file, no items.
    explicit LytEditor(const Velmo::Util::CountedPointer<Velmo::Papy::LytFile>& file);

    const Velmo::Util::CountedPointer<Velmo::Papy::LytFile>& GetFile() const { return m_file; }

    // The tree, rebuilt from the file.
    void Fill();
    const std::vector<Item>& GetItems() const { return m_items; }
    // The position of the item of a control; -1 when no item has it.
    int FindItem(int control) const;

    static int HintOf(int control) { return control + 1; }
    static int ControlOfHint(int hint) { return hint - 1; }

    // The field pane shows control (a selection in the tree); -1 clears it.
    void Show(int control);
    int GetShownControl() const { return m_shown; }
    // The rows of the shown control, read from the file; none when nothing is shown.
    std::vector<LytFieldRow> GetRows() const;

    // Ends an in-place edit of a row of the shown control with text: the name is cut to
    // NameLimit bytes, numbers are read by ParseNumber; rows that are shown only (index, type,
    // unknown values) and rows beyond the list change nothing. Returns whether the file was
    // written; the name of the shown control's item follows the file. With nothing shown this
    // fails the assertion "index != -1".
    bool Edit(int row, const std::string& text);

    enum class Typed
    {
        Written,   // the file holds the edit
        Unchanged, // a row that is shown only
        Refused    // a name the file cannot hold: the old name is kept
    };
    // Ends an in-place edit with the text as the user typed it (UTF-8). A name is stored in code
    // page 1252, the file's; a name with a character the code page lacks is refused whole
    // (NameRefusedText tells the user), rather than stored with that character left out. A
    // number is read from the typed text, as Edit reads it.
    Typed EditTyped(int row, const std::string& utf8);
    static constexpr const char* NameRefusedText =
        "The name has characters that a layout file cannot hold (only those of code page 1252); "
        "it is left as it was.";

    // Copy and delete need a selected control, paste also a control in the clipboard.
    bool CanCopy(int selected) const;
    bool CanPaste(int selected) const;
    bool CanDelete(int selected) const;

    // Puts the selected control in the program's clipboard.
    void Copy(int selected);
    // Inserts the clipboard's control after the selected one; the items from there on move up
    // by one and a new item follows the selected one. Returns the new control's index, which
    // becomes the selected and shown control.
    int Paste(int selected);
    // Deletes the selected control and its item; the items after it move down by one. Returns
    // the control to select next (the one that took its place, else the new last one), -1 when
    // the layout has no control left; that control is shown.
    int Delete(int selected);

    // The text read as a decimal integer the way strtol reads it, clamped to int: "12abc" is
    // 12, "abc" and "" are 0, "99999999999" is 2147483647.
    static int ParseNumber(const std::string& text);
    // The first NameLimit bytes of the text.
    static std::string CutName(const std::string& text);

private:
    bool IsControl(int control) const;

    Velmo::Util::CountedPointer<Velmo::Papy::LytFile> m_file;
    std::vector<Item> m_items;
    int m_shown = -1;
};
