#pragma once

#include <QString>
#include <QUrl>

// The update server's base URL: the "baseurl" key of the "update" section
// of the program's settings when it is set, otherwise the address the
// program was built with. It always ends with "/", because the file names
// are appended to it as they stand.
[[nodiscard]] QUrl updateBaseUrl();

// The address the program was built with.
[[nodiscard]] QString builtInUpdateUrl();
