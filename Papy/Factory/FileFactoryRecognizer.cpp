#include "Papy/Factory/FileFactoryRecognizer.h"

#include "Papy/Factory/FileFactoryRegistry.h"

namespace Velmo::Papy
{
FileFactoryRecognizer::FileFactoryRecognizer(bool isDefault) : m_default(isDefault)
{
    FileFactoryRegistry::Instance()->Register(this);
}

FileFactoryRecognizer::FileFactoryRecognizer(bool isDefault, FileFactoryRegistry& registry) : m_default(isDefault)
{
    registry.Register(this);
}

bool FileFactoryRecognizer::IsDefault()
{
    return m_default;
}

void FileFactoryRecognizer::SetDefault(bool isDefault)
{
    m_default = isDefault;
}
} // namespace Velmo::Papy
