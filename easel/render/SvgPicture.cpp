#include "easel/render/SvgPicture.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace easel::render {

namespace {

// librsvg and cairo objects, released however the drawing ends.
struct HandleRelease {
  void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleRelease>;
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;

std::string takeMessage(GError* error) {
  std::string message = error != nullptr && error->message != nullptr ? error->message : "unknown error";
  if (error != nullptr) g_error_free(error);
  return message;
}

Handle loaded(std::string_view svg) {
  GError* error = nullptr;
  // Without a base file, librsvg loads nothing the text refers to outside itself.
  Handle handle(rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
  if (!handle) throw RenderError("the drawing cannot be drawn: " + takeMessage(error));
  rsvg_handle_set_dpi(handle.get(), kCssDpi);
  return handle;
}

// The drawing's own size in CSS pixels: its width and height, or else its viewBox.
PictureSize cssSize(RsvgHandle* handle) {
  PictureSize size;
  if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &size.width, &size.height) && size.width > 0 && size.height > 0)
    return size;
  gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
  RsvgLength width, height;
  RsvgRectangle viewBox;
  rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &width, &hasHeight, &height, &hasViewBox, &viewBox);
  if (hasViewBox && viewBox.width > 0 && viewBox.height > 0) return {viewBox.width, viewBox.height};
  throw RenderError("the drawing has no size to draw it at (give it a width and height, or a viewBox)");
}

PictureSize sizeOf(RsvgHandle* handle, const PictureRequest& request) {
  return sizeOfPicture(cssSize(handle), request);
}

// Where cairo's bytes go, and how many went.
struct Sink {
  std::ostream* out;
  std::size_t written = 0;
};

cairo_status_t writeToSink(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<Sink*>(closure);
  sink->out->write(reinterpret_cast<const char*>(data), length);
  sink->written += length;
  return *sink->out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

void check(cairo_status_t status, const char* what) {
  if (status != CAIRO_STATUS_SUCCESS) throw RenderError(std::string(what) + ": " + cairo_status_to_string(status));
}

// The request's area of the drawing fitted to the surface: the whole
// drawing is laid out larger than the surface, the area's corner at its origin.
void draw(RsvgHandle* handle, cairo_surface_t* surface, PictureSize size, const PictureRequest& request) {
  check(cairo_surface_status(surface), "cannot make the picture");
  Context cr(cairo_create(surface));
  check(cairo_status(cr.get()), "cannot draw the picture");
  if (request.white) {
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
  }
  const PictureArea& area = request.area;
  const double width = size.width / area.width, height = size.height / area.height;
  const RsvgRectangle viewport{-area.left * width, -area.top * height, width, height};
  GError* error = nullptr;
  if (!rsvg_handle_render_document(handle, cr.get(), &viewport, &error))
    throw RenderError("the drawing cannot be drawn: " + takeMessage(error));
  check(cairo_status(cr.get()), "cannot draw the picture");
}

}  // namespace

PictureSize pictureSize(std::string_view svg, const PictureRequest& request) {
  return sizeOf(loaded(svg).get(), request);
}

std::size_t writePicture(std::string_view svg, const PictureRequest& request, std::ostream& out) {
  const Handle handle = loaded(svg);
  const PictureSize size = sizeOf(handle.get(), request);
  Sink sink{&out};
  if (request.kind == PictureKind::Pdf) {
    Surface surface(cairo_pdf_surface_create_for_stream(writeToSink, &sink, size.width, size.height));
    draw(handle.get(), surface.get(), size, request);
    cairo_surface_finish(surface.get());
    check(cairo_surface_status(surface.get()), "cannot write the PDF");
  } else {
    Surface surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(size.width), static_cast<int>(size.height)));
    draw(handle.get(), surface.get(), size, request);
    cairo_surface_flush(surface.get());
    check(cairo_surface_write_to_png_stream(surface.get(), writeToSink, &sink), "cannot write the PNG");
  }
  return sink.written;
}

}  // namespace easel::render
