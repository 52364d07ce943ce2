#include "TemplateDialog.h"

namespace easel::adm {

namespace {

ADMRect rectOf(int x, int y, int cx, int cy) { return ADMRect{x, y, x + cx, y + cy}; }

}  // namespace

std::unique_ptr<Dialog> dialogFromTemplate(const DialogTemplate& dialogTemplate) {
  auto dialog = std::make_unique<Dialog>();
  dialog->title = dialogTemplate.title;
  dialog->fontName = dialogTemplate.font;
  dialog->fontSize = dialogTemplate.fontSize;
  dialog->bounds = rectOf(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
  for (const DialogItem& control : dialogTemplate.items) {
    auto item = std::make_unique<Item>();
    item->id = control.id;  // -1: an item without an id
    item->kind = kindOfTemplateControl(control.kind);
    item->templateKind = control.kind;
    item->rect = rectOf(control.x, control.y, control.cx, control.cy);
    item->text = control.text;
    dialog->items.push_back(std::move(item));
  }
  return dialog;
}

}  // namespace easel::adm
