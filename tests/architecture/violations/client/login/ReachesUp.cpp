#include "shell/MainWindow.h"
