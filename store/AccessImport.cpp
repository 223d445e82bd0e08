#include "store/AccessImport.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "store/AccessChild.h"
#include "store/AccessReader.h"
#include "store/Engines.h"
#include "store/Errors.h"
#include "store/JetHeader.h"

namespace fs = std::filesystem;

namespace {

// Part of every copy's name: a new layout of the copy must not meet an old one on disk.
constexpr char kLayoutTag[] = "v1";

struct Stamp {
    unsigned long long size = 0;
    long long mtimeNs = 0;
    bool operator==(const Stamp&) const = default;
};

struct Known {
    Stamp stamp;
    std::string copy;   // the SQLite copy, when the import worked
    std::string error;  // why it failed, when it did: a damaged file is not retried until it changes
};

std::map<std::string, Known>& KnownImports() {
    static std::map<std::string, Known> known;
    return known;
}

bool StampOf(const std::string& path, Stamp& out) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    out.size = static_cast<unsigned long long>(st.st_size);
    out.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

std::string Hex64(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// The file name, kept readable in the cache folder but reduced to harmless characters.
std::string SafeBaseName(const fs::path& path) {
    std::string out;
    for (char c : path.filename().string()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '.' || c == '_' || c == '-';
        out.push_back(plain ? c : '_');
        if (out.size() >= 40) break;
    }
    return out.empty() ? "db" : out;
}

// Generous for a sound file (the 3 MB sample imports in a few tens of milliseconds), small
// enough that a damaged file which sends libmdb in circles fails the open within seconds.
ChildLimits LimitsFor(unsigned long long size) {
    const unsigned long long mb = size >> 20;
    ChildLimits limits;
    limits.wallTime = std::chrono::milliseconds(750 + 200 * mb);
    limits.cpuSeconds = static_cast<unsigned>((limits.wallTime.count() + 999) / 1000);
    limits.extraAddressSpace = (256ULL << 20) + 8 * size;
    limits.maxFileSize = (64ULL << 20) + 8 * size;
    return limits;
}

std::string TempNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

// Copies of earlier versions of the same file are of no more use.
void RemoveOlderCopies(const fs::path& dir, const std::string& prefix, const std::string& keep) {
    std::error_code ec;
    for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name != keep && name.starts_with(prefix) && name.ends_with(".sqlite")) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace

std::string AccessCacheDir() {
    // Only an absolute XDG_CACHE_HOME counts; a relative one is to be ignored.
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/')
        return std::string(xdg) + "/kelvaro";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = getpwuid(getuid());
        home = pw ? pw->pw_dir : nullptr;
    }
    if (!home || !*home) return {};
    return std::string(home) + "/.cache/kelvaro";
}

void ForgetAccessImports() { KnownImports().clear(); }

std::string ImportAccessDatabase(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec).lexically_normal();
    if (ec) throw QueryError("cannot resolve the path " + path);
    const std::string source = absolute.string();
    Stamp before;
    if (!StampOf(source, before)) throw QueryError("database file not found: " + path);

    auto& known = KnownImports();
    if (auto it = known.find(source); it != known.end() && it->second.stamp == before) {
        if (!it->second.error.empty()) throw QueryError(it->second.error);
        if (access(it->second.copy.c_str(), R_OK) == 0) return it->second.copy;
        known.erase(it);  // the copy was removed behind our back: import again
    }
    auto fail = [&](const std::string& why) -> std::string {
        known[source] = Known{before, {}, why};
        throw QueryError(why);
    };

    if (std::string why = CheckJetHeader(source); !why.empty())
        return fail("damaged Access file (" + why + "): " + path);

    const std::string dir = AccessCacheDir();
    if (dir.empty()) throw QueryError("no cache directory for the Access import");
    fs::create_directories(dir, ec);
    if (ec) throw QueryError("cannot create the cache directory " + dir + ": " + ec.message());
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);

    const std::string prefix = SafeBaseName(absolute) + "-" + Hex64(Fnv1a(source)) + "-";
    const std::string name = prefix + std::to_string(before.size) + "-" + std::to_string(before.mtimeNs) +
                             "-" + kLayoutTag + ".sqlite";
    const std::string target = (fs::path(dir) / name).string();

    // An earlier run may have imported this very version already.
    if (CheckSqliteHeader(target).empty()) {
        known[source] = Known{before, target, {}};
        return target;
    }

    const std::string temp = TempNameFor(target);
    const ChildOutcome outcome = RunInChild(
        [&] {
            CopyAccessTables(source, temp);
            return std::string();
        },
        LimitsFor(before.size));
    auto discard = [&] {
        std::error_code ignored;
        fs::remove(temp, ignored);
    };
    if (!outcome.ok) {
        discard();
        return fail("cannot import the Access file " + path + ": " + outcome.error);
    }
    Stamp after;
    if (!StampOf(source, after) || !(after == before)) {
        discard();
        throw QueryError("the Access file changed while it was imported: " + path);
    }
    if (std::string why = CheckSqliteHeader(temp); !why.empty()) {
        discard();
        return fail("the imported copy of " + path + " is unusable (" + why + ")");
    }
    fs::rename(temp, target, ec);
    if (ec) {
        discard();
        throw QueryError("cannot store the imported copy " + target + ": " + ec.message());
    }
    RemoveOlderCopies(dir, prefix, name);
    known[source] = Known{before, target, {}};
    return target;
}
