#include "PluginHarness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "easel/adm/EventSource.h"
#include "plugin/params/DialogItems.h"

namespace contour_test {

ContourParams defaultParams() {
  ContourParams p;
  std::memset(&p, 0, sizeof p);
  p.previewOn = 1;
  p.linkContourScale = 1;
  p.placeAbove = 1;
  p.currentPage = 1;
  p.contourCount = 12;
  p.createCount = 1;
  p.rotationPathNumber = 1;
  p.viewZoom = 100.0f;
  p.scaleH = 4.0f;
  p.scaleV = 4.0f;
  p.centerX = 200.0f;
  p.centerY = 200.0f;
  p.interpolateStyle = 100.0f;
  p.fillSwatchIndex = 2;
  p.strokeSwatchIndex = 2;
  return p;
}

PluginHarness::PluginHarness(Start start)
    : session_(std::make_unique<easel::Session>()),
      dialogs_(std::make_unique<easel::adm::DialogManager>()),
      host_(std::make_unique<easel::host::PluginHost>(*session_)),
      sessionScope_(std::make_unique<easel::SessionScope>(*session_)),
      dialogScope_(std::make_unique<easel::adm::DialogManagerScope>(*dialogs_)) {
  session_->trace.captureToMemory(true);
  dialogs_->setDrivenDialog(kSettingsDialogName);
  session_->document().setPageSize(612, 792);
  host_->load(CONTOUR_PLUGIN_PATH);
  if (start == Start::No) return;
  ASErr result = host_->startup();
  if (result != kNoErr) throw std::runtime_error("Startup returned " + std::to_string(result));
}

PluginHarness::~PluginHarness() { host_->shutdown(); }

easel::Document& PluginHarness::document() { return session_->document(); }

ContourParams* PluginHarness::params() {
  if (host_->parameterBlockSize() < sizeof(ContourParams)) return nullptr;
  return static_cast<ContourParams*>(host_->parameterBlock());
}

void PluginHarness::setParams(const ContourParams& params) { host_->setParameterBlock(&params, sizeof params); }

ASErr PluginHarness::go() { return host_->runFilter(false); }

ASErr PluginHarness::runFilter(const std::vector<easel::adm::Event>& script) {
  dialogs_->setEventSource(std::make_unique<easel::adm::ScriptEventSource>(script));
  return host_->runFilter(true);
}

ASErr PluginHarness::getParameters(const std::vector<easel::adm::Event>& script) {
  dialogs_->setEventSource(std::make_unique<easel::adm::ScriptEventSource>(script));
  host_->beginCommand("Contour...");
  return host_->getParameters();
}

const std::vector<std::string>& PluginHarness::trace() { return session_->trace.lines(); }

void PluginHarness::clearTrace() { session_->trace.clear(); }

}  // namespace contour_test
