// The input of a batch, taken from its source one block at a time and the blocks counted: the lines
// that came in one block were all written before the read that brought them.
#pragma once

#include <array>
#include <cstdint>
#include <streambuf>

namespace calc {

class InputBlocks : public std::streambuf {
  public:
    explicit InputBlocks(std::streambuf& source) : source_(source) {}

    // How many blocks have been taken so far.
    std::uint64_t Count() const { return count_; }

  protected:
    int_type underflow() override;
    std::streamsize showmanyc() override;

  private:
    std::streambuf& source_;
    std::array<char, 1 << 16> block_{};
    std::uint64_t count_ = 0;
};

}  // namespace calc
