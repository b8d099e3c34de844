// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a settings file; what was read must be written and read back to
// the same settings.
#include "model/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ProgramSettings settings = ReadSettings(bytes);
    const QByteArray saved = SettingsBytes(settings);
    if (ReadSettings(saved) != settings) abort();
    return 0;
}
