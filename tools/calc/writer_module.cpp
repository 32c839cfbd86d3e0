// Finding and loading the writers module.
#include "writer_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "calc_args.h"
#include "report_output.h"

namespace calc {

namespace {

using EntriesFunction = const WriterEntries* (*)();

// Where the module may be: beside the program, then where it is installed.
std::filesystem::path ModuleBesideProgram(const std::filesystem::path& relative) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return program.parent_path() / relative / kWriterModuleFile;
}

const WriterEntries* Load(const std::filesystem::path& path, std::string& reason) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        reason = ::dlerror();
        return nullptr;
    }
    // The module stays loaded: Qt's libraries are not made to be unloaded.
    const auto entries = reinterpret_cast<EntriesFunction>(::dlsym(handle, kWriterEntriesSymbol));
    if (!entries) reason = path.string() + " offers no writers";
    return entries ? entries() : nullptr;
}

}  // namespace

WriterModule::~WriterModule() {
    if (entries_) entries_->finish();
}

const WriterEntries& WriterModule::Entries() {
    if (entries_) return *entries_;
    std::string reason;
    for (const char* relative : {".", ORVANEL_WRITER_MODULE_FROM_PROGRAM}) {
        const std::filesystem::path path = ModuleBesideProgram(relative);
        if (!std::filesystem::exists(path)) continue;
        entries_ = Load(path, reason);
        if (entries_) return *entries_;
    }
    throw UsageError("cannot load the picture and report writers (" + std::string(kWriterModuleFile) +
                     (reason.empty() ? std::string(" is missing") : ": " + reason) + ")");
}

void InstallWriters(WriterModule& module) {
    SetPictureWriter([&module](const Picture& picture, const PictureFile& file) {
        return module.Entries().writePicture(picture, file);
    });
    SetReportWriter([&module](const orvanel::report::Document& document, const std::string& path) {
        return module.Entries().writeReport(document, path);
    });
}

}  // namespace calc
