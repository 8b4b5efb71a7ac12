#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything
// in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace VelmoTest
{
class TempFolder
{
public:
    TempFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/velmo-test-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        // Resolved, so that paths compare equal to what the library reports.
        m_path = std::filesystem::canonical(pattern).string();
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's absolute path, without a trailing '/'.
    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& relative) const { return m_path + "/" + relative; }

    // Writes a file (making its folders) and returns its path.
    std::string Write(const std::string& relative, const std::string& bytes) const
    {
        std::string path = Path(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }
    std::string MakeFolder(const std::string& relative) const
    {
        std::string path = Path(relative);
        std::filesystem::create_directories(path);
        return path;
    }
    std::string Read(const std::string& relative) const
    {
        std::ifstream in(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The number of entries directly in a folder of the temporary folder.
    std::size_t CountEntries(const std::string& relative = "") const
    {
        std::size_t count = 0;
        for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(relative.empty() ? m_path : Path(relative)))
            ++count;
        return count;
    }

private:
    std::string m_path;
};
} // namespace VelmoTest
