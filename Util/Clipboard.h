#pragma once
// The program's own clipboard: one process-wide store from a text id to a value of any
// copyable type, made on first use and kept until the process ends. Copy and paste between
// documents go through it, not through the desktop's clipboard.
#include <map>
#include <string>

#include <boost/any.hpp>

#include "Util/Exception.h"

namespace Velmo::Util
{
class Clipboard
{
public:
    typedef std::map<std::string, boost::any> Store;

    static Store& GetStore();

    static bool IsDataPresent(const std::string& id) { return GetStore().count(id) != 0; }

    // Stores a copy of value under id, replacing whatever was there.
    template <class T>
    static void SetData(const std::string& id, const T& value)
    {
        GetStore()[id] = value;
    }

    // A copy of the value under id; an assertion when there is none, boost::bad_any_cast when
    // it is not a T.
    template <class T>
    static T GetData(const std::string& id)
    {
        VELMO_ASSERT_AT(IsDataPresent(id), "IsDataPresent(id)", ".\\Util\\Clipboard.cpp", 48);
        return boost::any_cast<T>(GetStore().find(id)->second);
    }
};
} // namespace Velmo::Util
