#include "store/ConnStr.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {
constexpr char kSeparator = std::filesystem::path::preferred_separator;

std::string& OverrideDir() {
    static std::string dir;
    return dir;
}

std::string ExecutableDir() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string(".") + kSeparator;
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != kSeparator) dir.push_back(kSeparator);
    return dir;
}

std::string ConnStrFor(const char* file) {
    // The directory keeps its trailing separator and the name adds one more; the file
    // system reads the doubled separator as one.
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + ProgramDir() + kSeparator + file +
           ";Persist Security Info=True";
}
}  // namespace

std::string ProgramDir() {
    if (!OverrideDir().empty()) return OverrideDir();
    static const std::string dir = ExecutableDir();
    return dir;
}

ScopedProgramDir::ScopedProgramDir(std::string dir) : saved_(OverrideDir()) {
    if (!dir.empty() && dir.back() != kSeparator) dir.push_back(kSeparator);
    OverrideDir() = std::move(dir);
}

ScopedProgramDir::~ScopedProgramDir() { OverrideDir() = saved_; }

std::string GetDreamConnStr() { return ConnStrFor("dream.dll"); }
std::string GetFileConnStr() { return ConnStrFor("VorFile.dll"); }
std::string GetBirthConnStr() { return ConnStrFor("VorBirth.dll"); }

std::string DataSourceOf(std::string_view connectionString) {
    // Keys are case-insensitive; values run to the next ";".
    size_t pos = 0;
    while (pos < connectionString.size()) {
        size_t end = connectionString.find(';', pos);
        if (end == std::string_view::npos) end = connectionString.size();
        std::string_view item = connectionString.substr(pos, end - pos);
        size_t eq = item.find('=');
        if (eq != std::string_view::npos) {
            std::string key;
            for (char c : item.substr(0, eq))
                if (c != ' ') key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
            if (key == "datasource") return std::string(item.substr(eq + 1));
        }
        pos = end + 1;
    }
    return {};
}
