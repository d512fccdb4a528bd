#include "shell/help.h"

void openHelp(QWidget*) {}
