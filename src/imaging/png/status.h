// The outcome of each decoding step of the PNG decoder and of inflate. Kinds of failure
// are kept apart because callers react to them differently: corrupt data still leaves
// whatever was decoded before the fault, a full output buffer is the normal way a
// size-bounded decompression ends, and an image over the size limits is refused before
// any memory is taken for it.
#pragma once

namespace wayband::imaging::png {

enum class [[nodiscard]] Status{
    kOk,
    kCorruptData,     // the data break the format (bad code, bad distance, truncated)
    kOutputTooSmall,  // the output buffer filled up before the data ended
    kLimitExceeded,   // the data describe something larger than the decoder accepts
};

// Returns the status of `expr` from the enclosing function unless it is kOk.
#define WAYBAND_PNG_TRY(expr)                                   \
  do {                                                          \
    if (const ::wayband::imaging::png::Status status_ = (expr); \
        status_ != ::wayband::imaging::png::Status::kOk) {      \
      return status_;                                           \
    }                                                           \
  } while (false)

}  // namespace wayband::imaging::png
