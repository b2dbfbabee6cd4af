#pragma once

// Makes the screens known to screen readers: every window by the first line it shows, its
// controls in reading order, each by its role and text, and whatever can be clicked with a press
// action. Once, before the first screen is built.
void installAccessibility();
