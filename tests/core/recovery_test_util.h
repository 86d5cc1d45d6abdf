#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include <stdlib.h>

namespace recovery_test {

namespace fs = std::filesystem;

inline std::string readAll(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeAll(const fs::path &p, const std::string &text)
{
    std::ofstream(p, std::ios::binary) << text;
}

// A fresh folder under /tmp, removed with everything in it.
class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/vignetta-recovery-XXXXXX";
        if (const char *made = ::mkdtemp(pattern))
            path_ = made;
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

} // namespace recovery_test
