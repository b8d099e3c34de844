// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// A cell colour (0x00BBGGRR) as people write it: "#RRGGBB", upper-case.
QString ColourText(int32_t bgr);
// "#RRGGBB" (either case) as a cell colour; nothing for any other text.
std::optional<int32_t> ColourFromText(QStringView text);
