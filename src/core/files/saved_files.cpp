#include "core/files/saved_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <locale>
#include <memory>
#include <random>
#include <system_error>

#include "core/model/workspace.h"

namespace fs = std::filesystem;

std::string SavedFileName(std::string_view name) {
    std::string file(name);
    for (char& c : file) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    return file;
}

fs::path SavedFilePath(const char* directory, std::string_view file_name) {
    return WorkspacePath(directory) / SavedFileName(file_name);
}

namespace {

// A name beside the target that no other save is using at the same moment. The numbers come
// from a generator seeded once from the system's entropy: asking the system for each save
// costs more than writing a small file.
fs::path TemporaryBeside(const fs::path& target) {
    thread_local std::mt19937 draws{std::random_device{}()};
    return target.parent_path() /
           ("." + target.filename().string() + ".saving-" + std::to_string(draws()));
}

} // namespace

bool ReplaceFileSafely(const fs::path& target, const std::function<void(std::ostream&)>& write,
                       std::string& error) {
    std::error_code ec;
    const fs::path directory = target.parent_path();
    if (!directory.empty() && !fs::is_directory(directory, ec)) {
        fs::create_directories(directory, ec);
        if (ec) {
            error = "cannot create the directory " + directory.string() + ": " + ec.message();
            return false;
        }
    }
    const fs::path temporary = TemporaryBeside(target);
    {
        errno = 0;
        // A buffer larger than any character file or sheet: each file is one write.
        constexpr std::size_t kBufferSize = 64 * 1024;
        const auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
        std::ofstream out;
        out.rdbuf()->pubsetbuf(buffer.get(), kBufferSize);
        out.open(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create a file in " + directory.string();
            if (errno != 0) {
                error += std::string(": ") + std::strerror(errno);
            }
            return false;
        }
        out.imbue(std::locale::classic());
        write(out);
        out.flush();
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            error = "writing " + target.filename().string() +
                    " failed (is the disk full?); the file was not changed";
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temporary, ec);
        error = "cannot replace " + target.string() + ": " + reason;
        return false;
    }
    return true;
}
