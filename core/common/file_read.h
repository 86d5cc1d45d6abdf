#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vignetta::files {

// Size caps for the files the program reads whole. A file above its cap is refused before any
// of it is read.
constexpr std::uintmax_t maxDataFileBytes = 256u << 20;    // project tables, plugins.js
constexpr std::uintmax_t maxSceneFileBytes = 256u << 20;   // scene (event JSON) files
constexpr std::uintmax_t maxPictureFileBytes = 256u << 20; // pictures, faces, window skins
constexpr std::uintmax_t maxSettingsFileBytes = 16u << 20; // small text files beside the program

// Why readRegularFile refused a file.
enum class ReadFailure {
    None,
    Missing,        // no such file (or a dangling link)
    NotRegular,     // a folder, pipe, socket or device, also behind a link
    TooLarge,       // larger than the cap
    Unreadable,     // no permission, or an error while reading
};

struct FileReadResult
{
    bool ok = false;
    std::string bytes;
    ReadFailure failure = ReadFailure::None;
    // One English phrase without the file name: "is not a regular file", "is larger than 256 MB",
    // "cannot be read: Permission denied".
    std::string error;

    explicit operator bool() const { return ok; }
};

// Reads the whole file at `path` when it is a regular file (a link to one counts) of at most
// `maxBytes` bytes. The file is opened without blocking and checked on the open descriptor, so
// a pipe, a device such as /dev/zero or a file swapped for one after a look at its name is
// refused instead of blocking or growing without end; a file that grows past the cap while it
// is read is refused too. Never throws.
FileReadResult readRegularFile(const std::filesystem::path &path, std::uintmax_t maxBytes);

// The opening half of readRegularFile, for a file read in pieces (a copy): opens `path` under
// the same checks and returns a descriptor for the caller to close, or -1 with the refusal in
// `refusal`. A file that grows past `maxBytes` afterwards is the reader's to refuse.
int openRegularFile(const std::filesystem::path &path, std::uintmax_t maxBytes,
                    FileReadResult &refusal);

// "256 MB", "12 KB", "300 bytes": a byte count for messages.
std::string describeSize(std::uintmax_t bytes);

} // namespace vignetta::files
