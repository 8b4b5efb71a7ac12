#include "Vantrel/Doc/DocumentPattern.h"

namespace
{
bool g_usesRegistry = false;
}

bool CDocumentPattern::UsesRegistry()
{
    return g_usesRegistry;
}

void CDocumentPattern::SetUsesRegistry(bool uses)
{
    g_usesRegistry = uses;
}
