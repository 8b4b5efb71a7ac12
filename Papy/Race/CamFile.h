#pragma once
// A camera file of any game: its cameras in file order, and the editing and saving that the
// game's format supports.
#include <vector>

#include "Papy/Race/Camera.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class CamFile
{
public:
    virtual ~CamFile() = default;

    virtual int GetCameraCount() const;
    // Camera i, 0 <= i < GetCameraCount().
    virtual Util::CountedPointer<Camera> GetCamera(int i) const;
    // The second accessor of camera i, for callers that hold the file for editing; the same
    // camera as the first.
    virtual Util::CountedPointer<Camera> GetCamera(int i);

    // Inserts a new camera of the type before index.
    virtual void InsertCamera(int type, int index) = 0;
    virtual void DeleteCamera(int index) = 0;
    // Writes the whole file to the stream from position 0.
    virtual void Save(Util::BinaryStream& stream) const = 0;

protected:
    std::vector<Util::CountedPointer<Camera>> Cameras;
};
} // namespace Velmo::Papy
