// The writers module (writer_entries.h) as the program finds and loads it: beside the program in a
// build folder, or in the installed library folder; loaded on first use only.
#pragma once

#include "writer_entries.h"

namespace calc {

class WriterModule {
  public:
    WriterModule() = default;
    ~WriterModule();
    WriterModule(const WriterModule&) = delete;
    WriterModule& operator=(const WriterModule&) = delete;

    // The module's entries, loading it the first time; UsageError when it cannot be loaded.
    const WriterEntries& Entries();

  private:
    const WriterEntries* entries_ = nullptr;
};

// Installs the module's writers as orvanel-calc's picture and report writers.
void InstallWriters(WriterModule& module);

}  // namespace calc
