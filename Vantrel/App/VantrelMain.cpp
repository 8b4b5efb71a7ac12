#include <cstring>
#include <vector>

#include <wx/init.h>

#include "Vantrel/App/VantrelApp.h"
#include "Vantrel/Doc/PathText.h"

wxIMPLEMENT_APP_NO_MAIN(CVantrelApp);

// The toolkit would convert the arguments by the locale's character set and drop, with only a
// warning in its log, each one that is not text in it (a file named in code page 1252). Each
// goes to the toolkit as a path goes (CPathText), whatever its bytes, so that the file named
// opens or its message is shown.
int main(int argc, char** argv)
{
    std::vector<wxString> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(CPathText::ToWx(std::string(argv[i], std::strlen(argv[i]))));
    // The toolkit removes the arguments it takes for itself from the array it is given.
    std::vector<wxChar*> pointers;
    for (wxString& argument : arguments)
        pointers.push_back(const_cast<wxChar*>(argument.wc_str()));
    pointers.push_back(nullptr);
    return wxEntry(argc, pointers.data());
}
