#pragma once
// The one save of the documents that write their file. It refuses, before any file is made,
// when there is no file object or the file object cannot be saved. A save over the file the
// document read, when that file is no longer as the document found it (another program saved
// it meanwhile), first asks whether to overwrite it; No saves nothing. Otherwise it writes a
// new file beside the target and puts it in the target's place only when the whole file was
// written: a writer that throws, or a failed commit, leaves the original byte for byte; a
// target the system refuses to replace says "Couldn't save <path>" with the system's reason.
// Once the new file is in place, the target is told (Saved), so that what the program keeps of
// the file is what it now holds.
#include <functional>
#include <optional>
#include <string>

#include "Util/BinaryStream.h"
#include "Util/FileIdentity.h"

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

        // The file the document last read or saved, as it was then. A save to that path asks
        // Ask (the question's text; true for Yes) when the file there is another or has
        // changed; a save without Ask does not check.
        std::string KnownPath;
        Velmo::Util::FileIdentity Known;
        std::function<bool(const std::string& question)> Ask;
    };

    // True once saved; false when the question was answered No (nothing written). Throws XUsage
    // when refused, XSaveFailed when the system refuses the target, the stream's and the
    // writer's errors otherwise.
    static bool Save(const std::string& path, const Target& target);

    // The question asked before overwriting a file changed on disk, for the file's name.
    static std::string ChangedOnDiskText(const std::string& name);

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
