#include <QWidget>
#include "widgets/SideWindow.h"
#include "cvsrv/CCvService.h"
