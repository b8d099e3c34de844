// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/app_resources.h"

#include <QtGlobal>

void InitAppResources() {
    Q_INIT_RESOURCE(quadrivel);
}
