// The drawing as saving writes it, with only the selected art in it: what
// Export writes as the SVG of the selection. The containers of selected art
// stay (their transforms and styles apply to it) and the other art goes;
// what is not art (definitions, style sheets, metadata) stays, so that the
// gradients and patterns the selection paints with are there.
#ifndef EASEL_WEB_SELECTIONSVG_H
#define EASEL_WEB_SELECTIONSVG_H

#include <string>

#include "easel/core/Document.h"
#include "easel/svg/ContourRuns.h"
#include "easel/svg/SvgSource.h"

namespace easel::web {

std::string selectionSvg(const Document& document, const svg::SvgSource* source, const svg::RunEdits* runs);

}  // namespace easel::web

#endif
