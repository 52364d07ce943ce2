// Opens an address in the user's default browser (xdg-open), without waiting
// for the browser.
#ifndef EASEL_HTTP_OPENBROWSER_H
#define EASEL_HTTP_OPENBROWSER_H

#include <string>

namespace easel::http {

// False when xdg-open could not be started (the address is printed anyway).
bool openBrowser(const std::string& address);

}  // namespace easel::http

#endif
