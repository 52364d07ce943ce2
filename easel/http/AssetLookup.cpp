#include "Assets.h"

namespace easel::http {

namespace {

struct TypeOfExtension {
  std::string_view extension;
  std::string_view type;
};

constexpr TypeOfExtension kTypes[] = {
    {".html", "text/html; charset=utf-8"},
    {".css", "text/css; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".svg", "image/svg+xml"},
    {".png", "image/png"},
    {".json", "application/json"},
};

}  // namespace

const EmbeddedFile* findAsset(std::string_view path) {
  if (path == "/") path = "/index.html";
  for (std::size_t i = 0; i < kEmbeddedFileCount; ++i)
    if (kEmbeddedFiles[i].path == path) return &kEmbeddedFiles[i];
  return nullptr;
}

std::string_view contentType(std::string_view path) {
  for (const auto& t : kTypes)
    if (path.ends_with(t.extension)) return t.type;
  return "application/octet-stream";
}

}  // namespace easel::http
