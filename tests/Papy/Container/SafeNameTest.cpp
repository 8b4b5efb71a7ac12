#include <gtest/gtest.h>

#include "Papy/Container/SafeName.h"

using Velmo::Papy::IsSafeRelativeName;

TEST(IsSafeRelativeName, KeepsNamesInsideTheFolder)
{
    const struct
    {
        std::string name;
        bool safe;
    } cases[] = {
        {"logo.mip", true},      {"art\\sub\\logo.mip", true}, {"art/logo.mip", true},  {"...", true},
        {"a..b", true},          {"", false},                  {"\\logo.mip", false},   {"/etc/passwd", false},
        {"..", false},           {"..\\x", false},             {"a\\..\\x", false},     {"a/../x", false},
        {"a\\\\x", false},       {"a\\", false},               {"c:x", false},          {"c:\\x", false},
        {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSafeRelativeName(c.name), c.safe) << c.name;
}
