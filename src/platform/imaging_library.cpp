#include "platform/imaging_library.h"

#include <optional>

namespace wayband::platform {
namespace {

ImagingCapabilities& Library() {
  static ImagingCapabilities library;
  return library;
}

std::optional<ImagingCapabilities>& Record() {
  thread_local std::optional<ImagingCapabilities> record;
  return record;
}

}  // namespace

ImagingCapabilities ProbeImagingLibrary() {
  ImagingCapabilities answer = Library();
  // A library that does not load exports nothing.
  answer.exportsGradientFill = answer.libraryLoads && answer.exportsGradientFill;
  return answer;
}

void SetImagingLibrary(ImagingCapabilities capabilities) {
  Library() = capabilities;
}

const ImagingCapabilities& RecordedImagingCapabilities() {
  if (!Record()) RecordImagingCapabilities();
  return *Record();
}

void RecordImagingCapabilities() {
  Record() = ProbeImagingLibrary();
}

}  // namespace wayband::platform
