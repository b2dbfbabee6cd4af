#include "shell/UrlOpener.h"

#include <QDesktopServices>
#include <cstdio>

void DesktopUrlOpener::open(const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        std::fprintf(stderr, "velmora: no program to open %s was found\n",
                     qPrintable(url.toString()));
}
