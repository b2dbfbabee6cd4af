#include "shell/Shell.h"

#include "shell/Screen.h"
#include "shell/Twips.h"

#include <algorithm>

bool Shell::offerKeyToEveryWindow(QKeyCombination key) {
    return std::ranges::any_of(screens,
                               [key](Screen* screen) { return screen->takeKeyFromAnyWindow(key); });
}

void Shell::centre(Screen& screen) {
    const double displayWidth = double(platform.displayWidthPixels()) * twipsPerPixel;
    screen.setLeft((displayWidth - screen.width()) / 2);
}
