// A dialog as its template describes it: the window's title, place and size,
// and the template's own items. Template dialog units are taken as dialog
// pixels.
#ifndef EASEL_ADM_TEMPLATEDIALOG_H
#define EASEL_ADM_TEMPLATEDIALOG_H

#include <memory>

#include "Model.h"
#include "easel/core/resources/DialogTemplate.h"

namespace easel::adm {

std::unique_ptr<Dialog> dialogFromTemplate(const DialogTemplate& dialogTemplate);

}  // namespace easel::adm

#endif
