// The page's files (easel/web/assets), compiled into the program so that the
// server serves exactly these and nothing from the disk.
#ifndef EASEL_HTTP_ASSETS_H
#define EASEL_HTTP_ASSETS_H

#include <cstddef>
#include <string_view>

namespace easel::http {

struct EmbeddedFile {
  std::string_view path;  // "/index.html", "/js/app.js", ...
  std::string_view data;
};

// The generated table (EmbeddedFiles.cpp in the build tree).
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// The file served at a request path ("/" is "/index.html"); null for none.
const EmbeddedFile* findAsset(std::string_view path);
// Its content type, from the name's extension.
std::string_view contentType(std::string_view path);

}  // namespace easel::http

#endif
