#pragma once
// The one save of the documents that write their file. It refuses, before any file is made,
// when there is no file object or the file object cannot be saved. Otherwise it writes a new
// file beside the target and puts it in the target's place only when the whole file was
// written: a writer that throws, or a failed commit, leaves the original byte for byte. Once the
// new file is in place, the target is told (Saved), so that what the program keeps of the file
// is what it now holds.
#include <functional>
#include <string>

#include "Util/BinaryStream.h"

class CCommonSave
{
public:
    struct Target
    {
        bool HasFile = false;
        bool CanSave = false;
        std::function<void(Velmo::Util::BinaryStream& stream)> Save;
        // Called with the path once the file is in place; it must not throw (the file is saved).
        std::function<void(const std::string& path)> Saved;
    };

    // Throws XUsage when refused, the stream's and the writer's errors otherwise.
    static void Save(const std::string& path, const Target& target);

    static constexpr const char* NoFileText = "There is no file to save.";
    static constexpr const char* CannotSaveText = "This file cannot be saved.";
};

// The save target of a file object held by a counted pointer: it can be saved unless its
// CanSave() says otherwise (file objects without that query can always be saved).
template <class FileT, class PointerT>
CCommonSave::Target MakeSaveTarget(const PointerT& file)
{
    CCommonSave::Target target;
    target.HasFile = file.Get() != nullptr;
    if constexpr (requires(const FileT& f) { f.CanSave(); })
        target.CanSave = target.HasFile && file->CanSave();
    else
        target.CanSave = target.HasFile;
    FileT* object = file.Get();
    target.Save = [object](Velmo::Util::BinaryStream& stream) { object->Save(stream); };
    return target;
}
