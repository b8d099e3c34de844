// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/startup.h"

int main(int argc, char* argv[]) {
    return RunEditor(argc, argv);
}
