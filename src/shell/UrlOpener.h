#pragma once

#include <QUrl>

// Hands a web address to whatever the desktop opens web addresses with.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

// The desktop's own opener, started without a shell and without waiting for it.
class DesktopUrlOpener final : public UrlOpener {
  public:
    void open(const QUrl& url) override;
};
