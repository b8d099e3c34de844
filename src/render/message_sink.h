// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the renderer's messages to the user go (a message box in the editor, stderr in the
// command-line program, a recorder in tests).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};
