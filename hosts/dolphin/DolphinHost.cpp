#include "DolphinHost.h"

#include <QApplication>

namespace nimbra::dolphin {

void DolphinHost::beep() { QApplication::beep(); }

}  // namespace nimbra::dolphin
