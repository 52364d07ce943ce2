#include "PluginHost.h"

#include <cstring>

#include "easel/core/Document.h"
#include "easel/core/Memory.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/resources/PropertyList.h"
#include "easel/suites/Suites.h"

namespace easel::host {

namespace {
constexpr uint16_t kPropertyListId = 16000;
constexpr const char* kPluginKind = "SPEA";
constexpr uint32_t kInterfaceVersion = 2;
}  // namespace

PluginHost::PluginHost(Session& session) : session_(session) {}

PluginHost::~PluginHost() = default;

void PluginHost::load(const std::string& path) {
  std::unique_ptr<Module> module = Module::open(path);
  auto list = loadPropertyList(module->resources(), kPropertyListId);
  if (!list) throw LoadError(path + ": not a plug-in: " + list.error());
  auto description = describePlugin(*list);
  if (!description) throw LoadError(path + ": not a plug-in: " + description.error());
  if (description->kind != kPluginKind)
    throw LoadError(path + ": not a plug-in of this host: its kind is \"" + description->kind + "\", not \"" +
                    kPluginKind + "\"");
  if (description->interfaceVersion != kInterfaceVersion)
    throw LoadError(path + ": plug-in interface version " + std::to_string(description->interfaceVersion) +
                    " is not supported (this host speaks version " + std::to_string(kInterfaceVersion) + ")");
  void* entry = module->symbol(description->entryPoint.c_str());
  if (entry == nullptr) throw LoadError(path + ": the entry point \"" + description->entryPoint + "\" is missing");

  module_ = std::move(module);
  path_ = path;
  entry_ = reinterpret_cast<PluginMainProc>(entry);
  self_ = session_.plugins().addPlugin(path, &module_->resources());
}

ASErr PluginHost::sendHeader(const char* caller, const char* selector, SPMessageData* header) {
  if (entry_ == nullptr) return kBadParameterErr;
  header->checkWord = 0x53507248;  // 'SPrH': a host message
  header->self = self_;
  header->globals = keptGlobals_;
  header->basic = const_cast<SPBasicSuite*>(suites::basic());
  SessionScope scope(session_);
  ASErr result = entry_(caller, selector, header);
  keptGlobals_ = header->globals;
  return result;
}

ASErr PluginHost::send(const char* caller, const char* selector, void* message) {
  return sendHeader(caller, selector, static_cast<SPMessageData*>(message));
}

ASErr PluginHost::startup() {
  SPMessageData message{};
  return sendHeader(kSPInterfaceCaller, kSPInterfaceStartupSelector, &message);
}

ASErr PluginHost::about() {
  SPMessageData message{};
  return sendHeader(kSPInterfaceCaller, kSPInterfaceAboutSelector, &message);
}

ASErr PluginHost::shutdown() {
  SPMessageData message{};
  return sendHeader(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &message);
}

ASErr PluginHost::unload() {
  SPMessageData message{};
  return sendHeader(kSPAccessCaller, kSPAccessUnloadSelector, &message);
}

ASErr PluginHost::reload() {
  SPMessageData message{};
  return sendHeader(kSPAccessCaller, kSPAccessReloadSelector, &message);
}

ASErr PluginHost::menuMessage(const char* selector) {
  AIMenuMessage message{};
  message.menuItem = session_.plugins().menuItem(session_.plugins().filterHandle(0));
  return sendHeader(kCallerAIMenu, selector, &message.d);
}

void PluginHost::beginCommand(const std::string& name) {
  if (!session_.document().inCommand()) session_.document().beginCommand(name);
}

void PluginHost::endCommand() {
  if (session_.document().inCommand()) session_.document().endCommand();
}

ASErr PluginHost::filterMessage(const char* selector) {
  AIFilterMessage message{};
  message.filter = session_.plugins().filterHandle(0);
  message.parameters = parameters_;
  // A stop asked for after the last run ended is not meant for this one.
  session_.watch.startRun();
  ASErr result = sendHeader(kCallerAIFilter, selector, &message.d);
  // The host keeps the parameter block the plug-in allocated for its filter.
  parameters_ = message.parameters;
  return result;
}

ASErr PluginHost::getParameters() { return filterMessage(kSelectorAIGetParameters); }

ASErr PluginHost::go() { return filterMessage(kSelectorAIGoFilter); }

std::string overBudgetText(std::size_t budgetBytes) {
  return "the contours need more than the memory budget of " + std::to_string(budgetBytes >> 20) + " MB";
}

ASErr PluginHost::runFilter(bool withDialog, const std::function<ASErr(ASErr)>& ending) {
  FilterEntry* filter = session_.plugins().filter(session_.plugins().filterHandle(0));
  beginCommand(filter != nullptr ? filter->title : "Filter");
  ASErr result = withDialog ? getParameters() : kNoErr;
  if (result == kNoErr) result = go();
  if (ending) result = ending(result);
  endCommand();
  return result;
}

void* PluginHost::parameterBlock() {
  return parameters_ != nullptr ? session_.memory().dereference(parameters_) : nullptr;
}

std::size_t PluginHost::parameterBlockSize() {
  return parameters_ != nullptr ? session_.memory().size(parameters_) : 0;
}

void PluginHost::setParameterBlock(const void* bytes, std::size_t size) {
  Memory& memory = session_.memory();
  if (parameters_ == nullptr || !memory.valid(parameters_)) parameters_ = memory.newHandle(size);
  else
    memory.resize(parameters_, size);
  if (size > 0) std::memcpy(memory.dereference(parameters_), bytes, size);
}

void PluginHost::clearParameterBlock() {
  if (parameters_ != nullptr && session_.memory().valid(parameters_)) session_.memory().dispose(parameters_);
  parameters_ = nullptr;
}

}  // namespace easel::host
