#include "Vantrel/App/TemplateTable.h"

#include "Util/FileSystem.h"

const std::vector<CTemplateTable::Entry>& CTemplateTable::Entries()
{
    static const std::vector<Entry> entries = {
        {132, "\nUntitled\n\n\n\n\n"},
        {129, "\nUntitled\nDAT File\nDAT Files (*.dat)\n.dat\nPapyrusDAT.Document\nPapyrus Container File"},
        {130, "\nUntitled\n3DO File\n3D Object Files (*.3do,*.ptf)\n.3do;.ptf\nPapyrus3DO.Document\nPapyrus 3D Object File"},
        {133, "\nUntitled\nTrack File\nTrack Files (*.trk)\n.trk\nPapyrusTRK.Document\nPapyrus Track File"},
        {138, "\nUntitled\n\n\n.track\n\n"},
        {140, "\nUntitled\nReplay File\nReplay Files (*.rpy,*.rpl)\n.rpy;.rpl\nPapyrusRPY.Document\nPapyrus Replay File"},
        {134, "\nUntitled\nPure Bitmap File\nPure Bitmap Files (*.pbf;*.stp)\n.pbf;.stp\nPapyrusPBF.Document\nPapyrus Pure Bitmap File"},
        {135, "\nUntitled\nMultipart Bitmap File\nMultipart Bitmap Files (*.mip,*.m16)\n.mip;.m16\nPapyrusMIP.Document\nPapyrus Multipart Bitmap File"},
        {136, "\nUntitled\nScaled Bitmap File\nScaled Bitmap Files (*.srb,*.pmp)\n.srb;.pmp\nPapyrusSRB.Document\nPapyrus Scaled Bitmap File"},
        {137, "\nUntitled\nCamera File\nCamera Files (*.cam)\n.cam\nPapyrusCAM.Document\nPapyrus Camera File"},
        {141, "\nUntitled\nLayout File\nLayout Files (*.lyt)\n.lyt\nPapyrusLYT.Document\nPapyrus Layout File"},
    };
    return entries;
}

const CTemplateTable::Entry* CTemplateTable::Find(int id)
{
    for (const Entry& entry : Entries())
        if (entry.Id == id)
            return &entry;
    return nullptr;
}

std::string CTemplateTable::GetField(const Entry& entry, Field field)
{
    std::string strings = entry.Strings;
    std::size_t begin = 0;
    for (int i = 0; i < int(field); ++i)
    {
        begin = strings.find('\n', begin);
        if (begin == std::string::npos)
            return std::string();
        ++begin;
    }
    const std::size_t end = strings.find('\n', begin);
    return strings.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

bool CTemplateTable::MatchesExtension(const std::string& path, const std::string& filterExtensions)
{
    if (filterExtensions.empty())
        return false;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string extension = path.substr(dot);
    if (Velmo::Util::CompareNoCase(extension, filterExtensions) == 0)
        return true;
    std::size_t begin = 0;
    for (;;)
    {
        const std::size_t end = filterExtensions.find(';', begin);
        const std::string piece = filterExtensions.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
        if (Velmo::Util::CompareNoCase(extension, piece) == 0)
            return true;
        if (end == std::string::npos)
            return false;
        begin = end + 1;
    }
}

int CTemplateTable::MatchPath(const std::string& path)
{
    for (const Entry& entry : Entries())
        if (MatchesExtension(path, GetField(entry, FilterExtensions)))
            return entry.Id;
    return Entries().front().Id;
}
