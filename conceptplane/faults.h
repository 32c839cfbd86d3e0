// Run-time faults of the computations. Where the original platform ended the program (an overflow,
// a missing data file), the computing code throws one of these; each window handler and orvanel-calc
// catches it, tells the user in Spanish and leaves every table as it was.
#pragma once

#include <stdexcept>
#include <string>

namespace cp {

class Fault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;  // the message is UTF-8 Spanish text for the user
};

// A value that does not fit the whole-number or single-precision store it is written to.
class OverflowFault : public Fault {
  public:
    OverflowFault() : Fault("Desbordamiento: un valor no cabe en su campo numérico") {}
};

// A data file that is missing, short or unreadable.
class DataFault : public Fault {
  public:
    using Fault::Fault;
};

}  // namespace cp
