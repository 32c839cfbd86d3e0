// Reading and writing the files of an import or export.
#include "orvanel/register/subject_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "orvanel/register/register_fault.h"
#include "orvanel/register/subject_csv.h"
#include "orvanel/register/subject_json.h"

namespace orvanel::subjects {

namespace {

// A register of many thousands of subjects is a few megabytes; anything far beyond is not one.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

enum class Format { Csv, Json };

Format FormatOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (extension == ".csv") return Format::Csv;
    if (extension == ".json") return Format::Json;
    throw RegisterFault("El archivo " + path + " debe terminar en .csv o en .json");
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

ParsedSubjects ReadSubjectsFile(const std::string& path) {
    const Format format = FormatOf(path);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxFileBytes) throw RegisterFault("El archivo " + path + " es demasiado grande");
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) throw RegisterFault("No se puede leer el archivo " + path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RegisterFault("No se puede leer el archivo " + path);
    return format == Format::Csv ? SubjectsFromCsv(text) : SubjectsFromJson(text);
}

void WriteSubjectsFile(const std::string& path, const std::vector<Subject>& subjects) {
    const std::string bytes =
        FormatOf(path) == Format::Csv ? SubjectsToCsv(subjects) : SubjectsToJson(subjects, true) + "\n";
    // A new file beside the target, renamed over it once complete.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    const bool written = fd >= 0 && ::fchmod(fd, 0644) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (fd >= 0) ::unlink(temporary.c_str());
        throw RegisterFault("No se puede escribir el archivo " + path);
    }
}

}  // namespace orvanel::subjects
