// libFuzzer target of the form-file reader: reads the input as a form file, loads each
// control's icons from its bag as a control's load does, and checks that what was read
// writes out to a text that reads back to the same text. Any crash, out-of-bounds access,
// undefined behaviour, hang or unstable round trip is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/persistence/icon_persistence.h"
#include "wayband/form_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t reports = 0;
  const wayband::Form form =
      wayband::ParseForm(text, [&reports](const wayband::FormDiagnostic&) { ++reports; });
  for (const wayband::FormControl& control : form.controls)
    wayband::core::LoadIcons(control.properties);
  const std::string written = wayband::FormText(form);
  // A written form reads without complaint, but for pictures kept unread.
  const wayband::Form back = wayband::ParseForm(written, [](const wayband::FormDiagnostic& d) {
    if (d.damage != wayband::FormDamage::kBadPicture) __builtin_trap();
  });
  if (wayband::FormText(back) != written) __builtin_trap();
  return 0;
}
