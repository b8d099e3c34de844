#include "app/shell/app_resources.h"

#include <QtGlobal>

void InitAppResources() {
    Q_INIT_RESOURCE(quadrivel);
}
