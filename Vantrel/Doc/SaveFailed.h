#pragma once
// A save that the system refused before anything was written (the target's folder may not be
// written, the file is locked): "Couldn't save <path>" and the system's reason.
#include <string>

#include "Util/Exception.h"

class XSaveFailed : public Velmo::Util::RuntimeError
{
public:
    XSaveFailed(std::string path, std::string systemText);
    // The path saved to, with the reason of the refusal to open its file.
    XSaveFailed(std::string path, const Velmo::Util::XFileOpen& refusal);
    std::string GetText() const override;

private:
    std::string m_path;
    std::string m_systemText;
};
