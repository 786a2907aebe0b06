// The stand-in of the system imaging library that exports AlphaBlend and GradientFill.
// On this platform both primitives are always built in; a host or a test may declare
// the library missing (or missing GradientFill) to exercise the per-pixel fallbacks the
// controls keep for systems without it.
#pragma once

namespace wayband::platform {

struct ImagingCapabilities {
  bool libraryLoads = true;         // the library can be loaded: AlphaBlend is there
  bool exportsGradientFill = true;  // it exports GradientFill
};

// What loading the library would answer now (load, look up the entry point, free).
ImagingCapabilities ProbeImagingLibrary();
// Declares what the library offers from now on (for hosts and tests).
void SetImagingLibrary(ImagingCapabilities capabilities);

// The answer a control recorded at start-up, once per thread: the first call probes and
// records, later calls return the record. RecordImagingCapabilities() re-probes and
// overwrites the record (start-up of a control; tests).
const ImagingCapabilities& RecordedImagingCapabilities();
void RecordImagingCapabilities();

}  // namespace wayband::platform
