// Start-up, shut-down and the About box.
#ifndef CONTOUR_SHELL_LIFECYCLE_H
#define CONTOUR_SHELL_LIFECYCLE_H

#include "plugin/host/Messages.h"

ASErr startup(SPMessageData* message);
ASErr shutdown(SPMessageData* message);
ASErr about(SPMessageData* message);

#endif
