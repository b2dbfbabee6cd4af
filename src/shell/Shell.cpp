#include "shell/Shell.h"

#include "shell/Screen.h"
#include "shell/Twips.h"

void Shell::centre(Screen& screen) {
    const double displayWidth = double(platform.displayWidthPixels()) * twipsPerPixel;
    screen.setLeft((displayWidth - screen.width()) / 2);
}
