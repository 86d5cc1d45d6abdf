#include "project/guarded_files.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vignetta::project {

namespace {

std::string quote(const fs::path &path)
{
    return "\"" + escapeControls(path.string()) + "\"";
}

std::string systemError(int code)
{
    return std::strerror(code);
}

// A file descriptor closed on every path out of a function.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a delayed write error shows here).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opens `path` for reading without blocking on a pipe, and makes sure it is a regular file of
// at most `maxBytes` bytes. On failure the descriptor is invalid and *error names the reason.
int openRegularFile(const fs::path &path, std::uintmax_t maxBytes, std::uintmax_t *size,
                    bool *missing, std::string *error)
{
    *missing = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        *missing = code == ENOENT || code == ENOTDIR;
        *error = "cannot read " + quote(path) + ": " + systemError(code);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = quote(path) + " is not a regular file";
        return -1;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        *error = quote(path) + " is larger than " + std::to_string(maxBytes) + " bytes";
        return -1;
    }
    // Reads from now on may block as usual (a regular file never does).
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *size = static_cast<std::uintmax_t>(info.st_size);
    return fd;
}

bool writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A name for a temporary file beside `target` that no other writer of this process or another
// one picks at the same time.
fs::path temporaryBeside(const fs::path &target)
{
    static std::atomic<unsigned> counter{0};
    const std::string name = "." + target.filename().string() + "." +
                             std::to_string(::getpid()) + "-" +
                             std::to_string(counter.fetch_add(1)) + ".part";
    return target.parent_path() / name;
}

// Writes through `fill` into a fresh temporary file beside `target`, then renames it over the
// target. `fill` returns false (with *error set) when it could not supply all the data.
template <class Fill> bool replaceThroughTemporary(const fs::path &target, std::string *error,
                                                  Fill &&fill)
{
    auto fail = [&](const std::string &message) {
        if (error)
            *error = message;
        return false;
    };
    if (target.filename().empty())
        return fail("no file name in " + quote(target));
    const fs::path temp = temporaryBeside(target);
    Descriptor out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return fail("cannot write " + quote(target) + ": " + systemError(errno));

    std::string problem;
    bool written = fill(out.get(), &problem);
    if (written && ::fsync(out.get()) != 0) {
        written = false;
        problem = "cannot write " + quote(target) + ": " + systemError(errno);
    }
    if (!out.close() && written) {
        written = false;
        problem = "cannot write " + quote(target) + ": " + systemError(errno);
    }
    if (!written) {
        ::unlink(temp.c_str());
        return fail(problem);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return fail("cannot replace " + quote(target) + ": " + systemError(code));
    }
    // The rename itself reaches the disk with the folder's entry.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return true;
}

} // namespace

FileReadResult readRegularFile(const fs::path &path, std::uintmax_t maxBytes)
{
    FileReadResult result;
    std::uintmax_t size = 0;
    Descriptor in(openRegularFile(path, maxBytes, &size, &result.missing, &result.error));
    if (in.get() < 0)
        return result;
    result.bytes.reserve(static_cast<std::size_t>(size));
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(in.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.bytes.clear();
            result.error = "cannot read " + quote(path) + ": " + systemError(errno);
            return result;
        }
        if (n == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            result.bytes.clear();
            result.error = quote(path) + " is larger than " + std::to_string(maxBytes) + " bytes";
            return result;
        }
        result.bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    result.ok = true;
    return result;
}

std::optional<fs::path> realPath(const fs::path &path)
{
    std::error_code ec;
    fs::path real = fs::canonical(path, ec);
    if (ec)
        return std::nullopt;
    return real;
}

bool isWithin(const fs::path &inner, const fs::path &outer)
{
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        // A trailing separator of `outer` shows as an empty last element.
        if (o->empty() && std::next(o) == outer.end())
            break;
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

std::optional<fs::path> ensureFolderWithin(const fs::path &root, const fs::path &relativeFolder,
                                           std::string *error)
{
    auto fail = [&](const std::string &message) -> std::optional<fs::path> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    std::error_code ec;
    fs::create_directories(root, ec);
    const auto realRoot = realPath(root);
    if (!realRoot || !fs::is_directory(*realRoot, ec))
        return fail("cannot create the folder " + quote(root));

    fs::path current = root;
    for (const fs::path &part : relativeFolder.relative_path()) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return fail(quote(relativeFolder) + " climbs out of " + quote(root));
        current /= part;
        const auto status = fs::symlink_status(current, ec);
        if (status.type() == fs::file_type::not_found) {
            if (!fs::create_directory(current, ec) && ec)
                return fail("cannot create the folder " + quote(current) + ": " + ec.message());
        }
        const auto real = realPath(current);
        if (!real || !isWithin(*real, *realRoot))
            return fail(quote(current) + " leads outside " + quote(root));
        if (!fs::is_directory(*real, ec))
            return fail(quote(current) + " is not a folder");
    }
    return realPath(current);
}

bool writeFileReplacing(const fs::path &target, std::string_view bytes, std::string *error)
{
    return replaceThroughTemporary(target, error, [&](int fd, std::string *problem) {
        if (writeAll(fd, bytes.data(), bytes.size()))
            return true;
        *problem = "cannot write " + quote(target) + ": " + systemError(errno);
        return false;
    });
}

bool copyFileReplacing(const fs::path &source, const fs::path &target, std::uintmax_t maxBytes,
                       std::string *error, const CopyProgress &progress)
{
    std::uintmax_t size = 0;
    bool missing = false;
    std::string problem;
    Descriptor in(openRegularFile(source, maxBytes, &size, &missing, &problem));
    if (in.get() < 0) {
        if (error)
            *error = problem;
        return false;
    }
    return replaceThroughTemporary(target, error, [&](int fd, std::string *fillProblem) {
        std::vector<char> chunk(256 * 1024);
        std::uintmax_t copied = 0;
        for (;;) {
            const ssize_t n = ::read(in.get(), chunk.data(), chunk.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                *fillProblem = "cannot read " + quote(source) + ": " + systemError(errno);
                return false;
            }
            if (n == 0)
                return true;
            if (!writeAll(fd, chunk.data(), static_cast<std::size_t>(n))) {
                *fillProblem = "cannot write " + quote(target) + ": " + systemError(errno);
                return false;
            }
            copied += static_cast<std::uintmax_t>(n);
            if (copied > maxBytes) {
                *fillProblem = quote(source) + " is larger than " + std::to_string(maxBytes) +
                               " bytes";
                return false;
            }
            if (progress)
                progress(copied);
        }
    });
}

std::string escapeControls(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    auto escape = [](std::string &out, unsigned code) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            out += hex[(code >> shift) & 0xF];
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            escape(out, c);
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            escape(out, static_cast<unsigned char>(text[++i]));
        } else if (c == 0xE2 && i + 2 < text.size() && text[i + 1] == '\x80' &&
                   (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
            escape(out, text[i + 2] == '\xA8' ? 0x2028 : 0x2029);
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace vignetta::project
