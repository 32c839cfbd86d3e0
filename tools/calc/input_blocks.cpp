// Blocks of a batch's input: whatever the source holds after at most one read of its own.
#include "input_blocks.h"

#include <algorithm>

namespace calc {

InputBlocks::int_type InputBlocks::underflow() {
    // sgetc reads the source only when its own buffer is empty, and then once; what it then holds is
    // taken without another read.
    if (traits_type::eq_int_type(source_.sgetc(), traits_type::eof())) return traits_type::eof();
    const std::streamsize held = std::min<std::streamsize>(source_.in_avail(), block_.size());
    const std::streamsize taken = source_.sgetn(block_.data(), std::max<std::streamsize>(held, 1));
    setg(block_.data(), block_.data(), block_.data() + taken);
    ++count_;
    return traits_type::to_int_type(block_[0]);
}

std::streamsize InputBlocks::showmanyc() {
    return source_.in_avail();
}

}  // namespace calc
