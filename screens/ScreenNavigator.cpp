#include "ScreenNavigator.h"

namespace zorbitan {

void ScreenNavigator::bringToFront(QWidget& screen)
{
    screen.show();
    screen.raise();
    screen.activateWindow();
}

} // namespace zorbitan
