#pragma once
// A layout file: the controls of one game screen, each with a name, a type, a place and
// size, its group and the control it is placed relative to. The last record of the file is
// kept and saved but not listed, so GetControlCount() is the record count minus one.
#include <string>

#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class LytFile
{
public:
    virtual ~LytFile() = default;

    virtual int GetControlCount() const = 0;
    virtual std::string GetName(int i) const = 0;
    // 0, 1 or 2 for the types 0, 1 and 2; 3 for type 5 (a text control); 4 for any other type.
    virtual int GetTypeClass(int i) const = 0;
    virtual int GetType(int i) const = 0;
    virtual int GetRelativeToControl(int i) const = 0;
    virtual int GetRelativeValue(int i) const = 0;
    virtual int GetX(int i) const = 0;
    virtual int GetY(int i) const = 0;
    virtual int GetWidth(int i) const = 0;
    virtual int GetHeight(int i) const = 0;
    virtual int GetGroupId(int i) const = 0;
    virtual int GetParentGroupId(int i) const = 0;
    // Further values whose meaning is not known (none by default).
    virtual int GetExtraCount() const;
    virtual int GetExtra(int i, int k) const;
    virtual int GetStringId(int i) const = 0;

    virtual void SetName(int i, const std::string& name) = 0;
    virtual void SetRelativeToControl(int i, int value) = 0;
    virtual void SetRelativeValue(int i, int value) = 0;
    virtual void SetX(int i, int value) = 0;
    virtual void SetY(int i, int value) = 0;
    virtual void SetWidth(int i, int value) = 0;
    virtual void SetHeight(int i, int value) = 0;
    virtual void SetGroupId(int i, int value) = 0;
    virtual void SetParentGroupId(int i, int value) = 0;
    virtual void SetStringId(int i, int value) = 0;

    // Copy and paste of whole controls through the program's clipboard. Paste and delete keep
    // the listed controls' relative-to-control references on the controls they name: the
    // references past the place move up or down by one, and a reference to a deleted control
    // becomes one to no control.
    virtual void CopyControl(int i) = 0;
    virtual bool IsClipboardControlAvailable() const = 0;
    virtual void PasteControl(int insert_before_index) = 0;
    virtual void DeleteControl(int i) = 0;

    // Writes the whole file to the stream from position 0.
    virtual void Save(Util::BinaryStream& stream) const = 0;
};
} // namespace Velmo::Papy
