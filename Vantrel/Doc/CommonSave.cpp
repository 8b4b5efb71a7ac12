#include "Vantrel/Doc/CommonSave.h"

#include <memory>

#include "Util/BinaryFile.h"
#include "Util/Exception.h"

void CCommonSave::Save(const std::string& path, const Target& target)
{
    if (!target.HasFile || !target.Save)
        throw Velmo::Util::XUsage(NoFileText);
    if (!target.CanSave)
        throw Velmo::Util::XUsage(CannotSaveText);
    std::unique_ptr<Velmo::Util::BinaryFile> file(Velmo::Util::BinaryFile::CreateAlways(path));
    target.Save(*file);
    file->Commit();
    file.reset();
    if (target.Saved)
        target.Saved(path);
}
