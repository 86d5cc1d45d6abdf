#include "scene/recovery_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "json/js_json.h"

namespace vignetta::scene {

namespace {

struct FileText
{
    RecoveryProblem problem = RecoveryProblem::none;
    std::string error;
    std::string text;
};

// The whole content of a regular file of at most maxBytes. The file is opened without waiting
// (a pipe would otherwise block until someone writes to it) and checked after opening, so that
// what is read is what was checked.
FileText readRegularFile(const std::filesystem::path &path, std::uintmax_t maxBytes,
                         bool followLinks)
{
    FileText out;
    const std::string name = path.string();
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW);
    const int fd = ::open(name.c_str(), flags);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) {
            out.problem = RecoveryProblem::missing;
            out.error = "cannot read " + name + ": " + std::strerror(error);
        } else if (error == ELOOP) {
            out.problem = RecoveryProblem::notRegular;
            out.error = name + " is a symbolic link, not a file";
        } else {
            out.problem = RecoveryProblem::unreadable;
            out.error = "cannot read " + name + ": " + std::strerror(error);
        }
        return out;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        out.problem = RecoveryProblem::notRegular;
        out.error = name + " is not a regular file";
        return out;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        out.problem = RecoveryProblem::tooLarge;
        out.error = name + " is too large (" + std::to_string(st.st_size) + " bytes)";
        return out;
    }
    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    char extra[1];
    for (;;) {
        // Read one byte past the size seen, to notice a file that grew meanwhile.
        char *at = done < text.size() ? text.data() + done : extra;
        const std::size_t want = done < text.size() ? text.size() - done : 1;
        const ssize_t n = ::read(fd, at, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            out.problem = RecoveryProblem::unreadable;
            out.error = "cannot read " + name + ": " + std::strerror(error);
            return out;
        }
        if (n == 0)
            break;
        if (at == extra) {
            ::close(fd);
            out.problem = RecoveryProblem::tooLarge;
            out.error = name + " grew while it was read";
            return out;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(done);
    out.text = std::move(text);
    return out;
}

// A JSON number holding a whole value within [lo, hi].
bool wholeIn(const Json &v, long long lo, long long hi, long long *value)
{
    if (!v.is_number())
        return false;
    const double d = v.get<double>();
    if (!std::isfinite(d) || std::trunc(d) != d || d < double(lo) || d > double(hi))
        return false;
    *value = static_cast<long long>(d);
    return true;
}

RecoveryReadResult refused(RecoveryProblem problem, std::string error)
{
    RecoveryReadResult r;
    r.problem = problem;
    r.error = std::move(error);
    return r;
}

bool isRecoveryObject(const Json &root)
{
    if (!root.is_object())
        return false;
    const auto format = root.find("format");
    return format != root.end() && format->is_string() &&
           format->get_ref<const std::string &>() == recoveryFormatName;
}

// The version check shared by the editor and the command line; empty when it is readable.
std::string versionProblem(const Json &root)
{
    long long version = 0;
    const auto v = root.find("version");
    if (v == root.end() || !wholeIn(*v, 1, 1000000, &version))
        return "the recovery file has no usable version";
    if (version > recoveryFormatVersion)
        return "the recovery file was written by a newer version of Vignetta (format " +
               std::to_string(version) + ")";
    return {};
}

std::size_t firstNonSpace(std::string_view text)
{
    std::size_t i = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    return i;
}

} // namespace

std::string formatUtcTime(Clock::time_point time)
{
    using namespace std::chrono;
    const long long ms = duration_cast<milliseconds>(time.time_since_epoch()).count();
    long long seconds = ms / 1000;
    long long millis = ms % 1000;
    if (millis < 0) {
        millis += 1000;
        seconds -= 1;
    }
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!::gmtime_r(&t, &tm))
        return "1970-01-01T00:00:00.000Z";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, int(millis));
    return buffer;
}

bool parseUtcTime(std::string_view text, Clock::time_point *time)
{
    if (text.size() != 24)
        return false;
    const std::string s(text);
    int year, month, day, hour, minute, second, millis;
    char z = 0;
    if (std::sscanf(s.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%3d%c", &year, &month, &day, &hour,
                    &minute, &second, &millis, &z) != 8 ||
        z != 'Z')
        return false;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    const std::time_t seconds = ::timegm(&tm);
    const Clock::time_point parsed = Clock::from_time_t(seconds) + std::chrono::milliseconds(millis);
    // Only the exact text this program writes: anything that does not print back the same
    // (a 30 February, a stray sign or space) is refused.
    if (formatUtcTime(parsed) != s)
        return false;
    *time = parsed;
    return true;
}

std::string writeRecoveryText(const Document &doc, const std::string &projectPath,
                              Clock::time_point savedAt)
{
    std::string out = "{\"format\":";
    out += json::quoteString(recoveryFormatName);
    out += ",\"version\":";
    out += std::to_string(recoveryFormatVersion);
    out += ",\"projectPath\":";
    out += json::quoteString(projectPath);
    out += ",\"savedAt\":";
    out += json::quoteString(formatUtcTime(savedAt));
    out += ",\"lastLaneId\":";
    out += std::to_string(std::max(doc.getLastLaneId(), 1));
    out += ",\"scene\":";
    out += writeSceneText(doc);
    out += '}';
    return out;
}

RecoveryReadResult readRecoveryText(std::string_view text, const std::string &projectPath)
{
    auto parsed = json::parseJson(text);
    if (!parsed)
        return refused(RecoveryProblem::notJson,
                       "the recovery file is not valid JSON (byte " +
                           std::to_string(parsed.position) + ": " + parsed.error + ")");
    const Json &root = parsed.value;
    if (!isRecoveryObject(root))
        return refused(RecoveryProblem::notRecovery, "the file is not a recovery file");
    if (std::string problem = versionProblem(root); !problem.empty()) {
        const bool newer = problem.find("newer") != std::string::npos;
        return refused(newer ? RecoveryProblem::newerVersion : RecoveryProblem::notRecovery,
                       std::move(problem));
    }

    const auto path = root.find("projectPath");
    if (path == root.end() || !path->is_string())
        return refused(RecoveryProblem::notRecovery, "the recovery file names no project");
    if (path->get_ref<const std::string &>() != projectPath)
        return refused(RecoveryProblem::otherProject,
                       "the recovery file belongs to another project (" +
                           path->get_ref<const std::string &>() + ")");
    Clock::time_point savedAt;
    const auto saved = root.find("savedAt");
    if (saved == root.end() || !saved->is_string() ||
        !parseUtcTime(saved->get_ref<const std::string &>(), &savedAt))
        return refused(RecoveryProblem::notRecovery, "the recovery file has no usable time");
    long long lastLaneId = 0;
    const auto lanes = root.find("lastLaneId");
    if (lanes == root.end() || !wholeIn(*lanes, 1, maxLanes, &lastLaneId))
        return refused(RecoveryProblem::notRecovery, "the recovery file has no usable lane count");
    const auto scene = root.find("scene");
    if (scene == root.end() || !scene->is_array())
        return refused(RecoveryProblem::notRecovery, "the recovery file holds no scene");

    Document doc = Document::emptyScene();
    if (!scene->empty()) {
        const auto read = readSceneValue(*scene);
        if (!read)
            return refused(RecoveryProblem::badScene, "its scene is not usable: " + read.error);
        auto made = documentFromBlocks(read.blocks);
        if (!made)
            return refused(RecoveryProblem::badScene, "its scene is not usable: " + made.error);
        doc = std::move(made.document);
    }
    if (doc.getLastLaneId() > lastLaneId)
        return refused(RecoveryProblem::badScene,
                       "its scene has blocks on lanes past its lane count");
    while (doc.getLastLaneId() < lastLaneId)
        doc.appendLane(Lane{doc.getLastLaneId() + 1, {}});

    RecoveryReadResult result;
    result.ok = true;
    result.projectPath = projectPath;
    result.savedAt = savedAt;
    result.document = std::move(doc);
    return result;
}

RecoveryReadResult readRecoveryFile(const std::filesystem::path &path,
                                    const std::string &projectPath, std::uintmax_t maxBytes)
{
    FileText file = readRegularFile(path, maxBytes, false);
    if (file.problem != RecoveryProblem::none)
        return refused(file.problem, std::move(file.error));
    return readRecoveryText(file.text, projectPath);
}

SceneReadResult readSceneOrRecoveryFile(const std::filesystem::path &path,
                                        std::uintmax_t maxBytes)
{
    FileText file = readRegularFile(path, maxBytes, true);
    if (file.problem != RecoveryProblem::none) {
        SceneReadResult r;
        r.error = std::move(file.error);
        return r;
    }
    const std::string_view text = file.text;
    const std::size_t start = firstNonSpace(text);
    if (start >= text.size() || text[start] != '{')
        return readSceneText(text);

    auto parsed = json::parseJson(text);
    if (!parsed || !isRecoveryObject(parsed.value))
        return readSceneText(text); // the usual message for a scene file that is not one
    SceneReadResult r;
    if (std::string problem = versionProblem(parsed.value); !problem.empty()) {
        r.error = std::move(problem);
        return r;
    }
    const auto scene = parsed.value.find("scene");
    if (scene == parsed.value.end()) {
        r.error = "the recovery file holds no scene";
        return r;
    }
    return readSceneValue(*scene);
}

} // namespace vignetta::scene
