#include "Vantrel/Doc/PathText.h"

#include <wx/strconv.h>

#include "Vantrel/Text/CodePage1252.h"

namespace
{
const wxMBConv& Lossless()
{
    static const wxMBConvUTF8 conversion(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    return conversion;
}
} // namespace

wxString CPathText::ToWx(const std::string& path)
{
    return wxString(path.data(), Lossless(), path.size());
}

std::string CPathText::FromWx(const wxString& path)
{
    const wxScopedCharBuffer bytes = path.mb_str(Lossless());
    return std::string(bytes.data(), bytes.length());
}

wxString CPathText::ShownName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return wxString::FromUTF8(CodePage1252::Shown(slash == std::string::npos ? path : path.substr(slash + 1)));
}

wxString CPathText::Shown(const wxString& text)
{
    return wxString::FromUTF8(CodePage1252::Shown(FromWx(text)));
}
