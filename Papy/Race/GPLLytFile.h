#pragma once
// The GPL layout file (.lyt): a 16-byte header {version 6, record size 809, 0, 0} and then
// control records of 809 bytes to the end of the file. Every record is kept as its bytes; all
// reads and edits work on them, so what is not understood is written back unchanged.
//
// Control record (little-endian, packed):
//   0    name, 256 bytes, NUL-terminated      483  string id, int32 (a type-5 control's text)
//   256  type, int32                          785  extra value 1, int32
//   260  x, y, width, height, int32 each      789  group id, parent group id, int16 each
//   276  extra value 0, int32                 793  relative-to control, relative value, int16
//                                             797  extra values 2 and 3, int32 each
//                                             805  reserved, int32, 0
// The bytes 280-482 and 487-784 are not interpreted.
//
// Copy stores a control in the program's clipboard under "GPLLytFile"; paste inserts it
// before an index and moves every relative-to reference at or after that index up by one.
// Delete moves every reference past the deleted control down by one, and a reference to the
// deleted control becomes -1, relative to nothing (a negative reference names no control: paste
// leaves it alone). Only the listed controls' references are renumbered, by either.
#include <array>
#include <string>
#include <vector>

#include "Papy/Race/LytFile.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLLytFile : public LytFile
{
public:
    static constexpr unsigned RecordSize = 809;
    static constexpr unsigned HeaderSize = 16;
    static constexpr unsigned NameSize = 256;
    static constexpr const char* ClipboardId = "GPLLytFile";
    // The relative-to-control value of a control placed relative to no other.
    static constexpr int RelativeToNothing = -1;

    // One control record, as the file holds it.
    struct control
    {
        std::array<U8, RecordSize> bytes{};
    };

    // Reads the whole stream from position 0; format errors raise XFileFormat.
    explicit GPLLytFile(Util::BinaryStream& stream);

    int GetControlCount() const override;
    // The name field up to its first zero byte (all 256 bytes when it has none).
    std::string GetName(int i) const override;
    int GetTypeClass(int i) const override;
    int GetType(int i) const override;
    int GetRelativeToControl(int i) const override;
    int GetRelativeValue(int i) const override;
    int GetX(int i) const override;
    int GetY(int i) const override;
    int GetWidth(int i) const override;
    int GetHeight(int i) const override;
    int GetGroupId(int i) const override;
    int GetParentGroupId(int i) const override;
    int GetExtraCount() const override { return 4; }
    // k = 0 to 3: the int32 at 276, 785, 797 and 801.
    int GetExtra(int i, int k) const override;
    int GetStringId(int i) const override;

    // Clears the name field and copies the name in, cut to 255 characters so that the field
    // keeps its terminating zero.
    void SetName(int i, const std::string& name) override;
    void SetRelativeToControl(int i, int value) override;
    void SetRelativeValue(int i, int value) override;
    void SetX(int i, int value) override;
    void SetY(int i, int value) override;
    void SetWidth(int i, int value) override;
    void SetHeight(int i, int value) override;
    void SetGroupId(int i, int value) override;
    void SetParentGroupId(int i, int value) override;
    void SetStringId(int i, int value) override;

    void CopyControl(int i) override;
    bool IsClipboardControlAvailable() const override;
    void PasteControl(int insert_before_index) override;
    void DeleteControl(int i) override;

    void Save(Util::BinaryStream& stream) const override;

private:
    const control& Listed(int i) const;
    control& Listed(int i);
    S32 GetS32(int i, unsigned offset) const;
    S16 GetS16(int i, unsigned offset) const;
    void SetS32(int i, unsigned offset, int value);
    void SetS16(int i, unsigned offset, int value);

    std::vector<control> m_controls;
};
} // namespace Velmo::Papy
