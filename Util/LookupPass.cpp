#include "Util/LookupPass.h"

#include <algorithm>
#include <ctime>
#include <sys/stat.h>
#include <unordered_map>

#include "Util/Types.h"

namespace Velmo::Util
{
namespace
{
// What tells one state of a folder from another.
struct Identity
{
    dev_t device;
    ino_t inode;
    timespec modified;
    timespec changed;

    bool operator==(const Identity& other) const
    {
        auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
        return device == other.device && inode == other.inode && same(modified, other.modified) &&
               same(changed, other.changed);
    }
};

struct Kept
{
    std::shared_ptr<const FolderIndex> index;
    Identity identity;
    bool settled;  // trusted in any later pass while the identity holds
    U64 pass;      // the pass it was made in (0: none)
    U64 lastUse;
};

// At most this many folders are kept; the one used longest ago goes first.
constexpr std::size_t keptFolders = 8;

struct Store
{
    std::unordered_map<std::string, Kept> kept;
    std::unordered_map<std::string, std::pair<std::string, int>> missing;
    int depth = 0;
    U64 pass = 0;     // the open pass, 0 when none is
    U64 lastPass = 0;
    U64 uses = 0;
};

Store& TheStore()
{
    static Store store;
    return store;
}

S64 Nanoseconds(const timespec& time)
{
    return S64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Whether a folder whose times are those of info, listed after start, can change again without
// its times showing it. File systems stamp changes with a clock that moves in steps (a few
// milliseconds on Linux; two seconds on FAT, whose times have no fraction of a second), so a
// change in the step of the listing may carry the very times taken before it.
bool Settled(const struct stat& info, const timespec& start)
{
    const bool fractions = info.st_mtim.tv_nsec != 0 || info.st_ctim.tv_nsec != 0;
    const S64 step = fractions ? S64(100) * 1000000 : S64(2) * 1000000000;
    const S64 latest = std::max(Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim));
    return latest < Nanoseconds(start) - step;
}
} // namespace

LookupPass::LookupPass()
{
    Store& store = TheStore();
    if (store.depth++ == 0)
        store.pass = ++store.lastPass;
}

LookupPass::~LookupPass()
{
    Store& store = TheStore();
    if (--store.depth == 0)
    {
        store.pass = 0;
        store.missing.clear();
    }
}

std::shared_ptr<const FolderIndex> LookupPass::IndexOf(const std::string& folder)
{
    Store& store = TheStore();
    timespec start{};
    clock_gettime(CLOCK_REALTIME, &start);
    struct stat info;
    if (stat(folder.c_str(), &info) != 0)
    {
        store.kept.erase(folder);
        return std::make_shared<const FolderIndex>(folder);
    }
    const Identity identity{info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
    auto found = store.kept.find(folder);
    if (found != store.kept.end())
    {
        Kept& kept = found->second;
        if (kept.identity == identity && (kept.settled || (store.pass != 0 && kept.pass == store.pass)))
        {
            kept.lastUse = ++store.uses;
            return kept.index;
        }
        store.kept.erase(found);
    }

    auto index = std::make_shared<const FolderIndex>(folder);
    if (index->GetError() != 0)
        return index;
    if (store.kept.size() >= keptFolders)
    {
        auto oldest = store.kept.begin();
        for (auto i = store.kept.begin(); i != store.kept.end(); ++i)
            if (i->second.lastUse < oldest->second.lastUse)
                oldest = i;
        store.kept.erase(oldest);
    }
    const bool settled = Settled(info, start);
    if (settled || store.pass != 0)
        store.kept.emplace(folder, Kept{index, identity, settled, store.pass, ++store.uses});
    return index;
}

bool LookupPass::FindMissing(const std::string& path, std::string& resolved, int& error)
{
    Store& store = TheStore();
    if (store.pass == 0)
        return false;
    auto found = store.missing.find(path);
    if (found == store.missing.end())
        return false;
    resolved = found->second.first;
    error = found->second.second;
    return true;
}

void LookupPass::RememberMissing(const std::string& path, const std::string& resolved, int error)
{
    Store& store = TheStore();
    if (store.pass != 0)
        store.missing.emplace(path, std::make_pair(resolved, error));
}

void LookupPass::Forget()
{
    TheStore().kept.clear();
}
} // namespace Velmo::Util
