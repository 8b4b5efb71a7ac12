#include "Vantrel/Doc/CommonSave.h"

#include <memory>

#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/SaveFailed.h"

std::string CCommonSave::ChangedOnDiskText(const std::string& name)
{
    return name + " has changed on disk since it was opened. Overwrite it?";
}

bool CCommonSave::Save(const std::string& path, const Target& target)
{
    if (!target.HasFile || !target.Save)
        throw Velmo::Util::XUsage(NoFileText);
    if (!target.CanSave)
        throw Velmo::Util::XUsage(CannotSaveText);
    if (target.Ask && !target.KnownPath.empty() && path == target.KnownPath)
    {
        // A file gone since is no one's save: it is made again without a question.
        const Velmo::Util::FileIdentity now = Velmo::Util::FileIdentity::Of(path);
        if (now.Exists() && now != target.Known &&
            !target.Ask(ChangedOnDiskText(Velmo::Util::PathName(path).GetFileName())))
            return false;
    }
    std::unique_ptr<Velmo::Util::BinaryFile> file;
    try
    {
        file.reset(Velmo::Util::BinaryFile::CreateAlways(path));
    }
    catch (const Velmo::Util::XFileOpen& refusal)
    {
        throw XSaveFailed(path, refusal);
    }
    target.Save(*file);
    file->Commit();
    file.reset();
    if (target.Saved)
        target.Saved(path);
    return true;
}
