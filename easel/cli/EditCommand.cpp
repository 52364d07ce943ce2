// `contour edit IN.svg`: the editor in the browser. Loads the drawing, starts
// the host thread with the plug-in and an HTTP server on 127.0.0.1 over it, prints
// the address (with the session's token) and opens it, then serves until
// Ctrl-C or until the page is closed. A drawing that cannot be read, a
// plug-in that does not start or a port in use end it at once with a
// one-line message and a non-zero exit status.
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <future>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Commands.h"
#include "SeedOption.h"
#include "easel/host/HostSetup.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgImport.h"
#include "easel/web/EditorHost.h"
#include "easel/http/EditorServer.h"
#include "easel/http/Lifetime.h"
#include "easel/http/OpenBrowser.h"
#include "easel/web/Recovery.h"
#include "easel/http/RequestGuard.h"

namespace contour_cli {

using namespace easel::host;

namespace {

constexpr std::chrono::milliseconds kStopDeadline{900};

struct EditOptions {
  std::string input;
  int port = 0;
  bool noOpen = false;
  std::string plugin;
  std::optional<uint64_t> seed;
  std::vector<std::string> faults;
};

// "OPERATION[:N[:CODE]]": the n-th call (default the first) of the host
// operation fails with the code (default -108, out of memory).
easel::web::EditorOptions::Fault parseFault(const std::string& text) {
  easel::web::EditorOptions::Fault fault;
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    std::size_t colon = text.find(':', start);
    parts.push_back(text.substr(start, colon - start));
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  auto number = [&](const std::string& part, int& into) {
    auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), into);
    if (error != std::errc() || end != part.data() + part.size())
      throw std::runtime_error("--fail-call " + text + ": '" + part + "' is not a whole number");
  };
  if (parts.size() > 3 || parts[0].empty())
    throw std::runtime_error("--fail-call " + text + ": give OPERATION[:N[:CODE]]");
  fault.operation = parts[0];
  if (parts.size() > 1) number(parts[1], fault.nth);
  if (parts.size() > 2) number(parts[2], fault.code);
  return fault;
}

// The host thread, stopped and joined however run() is left.
class HostThread {
 public:
  explicit HostThread(easel::web::EditorHost& host) : host_(host), thread_([&host] { host.run(); }) {}
  ~HostThread() { stop(); }
  HostThread(const HostThread&) = delete;
  HostThread& operator=(const HostThread&) = delete;
  void stop() {
    if (!thread_.joinable()) return;
    host_.stop();
    thread_.join();
  }

 private:
  easel::web::EditorHost& host_;
  std::thread thread_;
};

int run(const EditOptions& o) {
  if (o.input == "-") return fail("edit: the drawing must be a file (Save writes back to it)");
  easel::web::EditorOptions options{o.input, o.plugin, o.seed, {}};
  for (const std::string& fault : o.faults) options.faults.push_back(parseFault(fault));
  easel::http::Lifetime::blockStopSignals();  // before any thread starts
  easel::http::Lifetime lifetime;

  // The drawing stays open for long: its text is kept, whatever happens to the file.
  easel::svg::ImportedSvg drawing =
      easel::svg::importSvgFile(o.input, easel::Document::kDefaultMemoryBudget, {.keepText = true});
  // Said here and, when the page opens, on the page.
  for (const std::string& line : drawing.warnings) std::cerr << "contour edit: warning: " << line << '\n';
  easel::web::EditorHost host(std::move(drawing), options);
  HostThread hostThread(host);
  if (auto problem = host.waitUntilReady()) return fail(*problem);

  easel::http::EditorServer server(host, lifetime, easel::http::makeSessionToken());
  server.bind(o.port);
  server.start();
  if (auto offer = easel::web::recoveryOffer(o.input)) std::cout << "contour edit: " << *offer << "\n";
  std::cout << "contour edit: editing " << o.input << " at " << server.address() << "\n"
            << "contour edit: press Ctrl-C (or close the page) to stop" << std::endl;
  // The browser's command line, which any local user can read, gets a code that works once.
  if (!o.noOpen && !easel::http::openBrowser(server.openingAddress()))
    std::cout << "contour edit: no browser could be started: open the address above" << std::endl;

  const std::string why = lifetime.wait();
  std::cout << "contour edit: stopping (" << why << ")" << std::endl;
  // A stop ends the editor within a second, whatever the plug-in or a client
  // is doing: what has not ended by then is left to the system.
  const auto deadline = std::chrono::steady_clock::now() + kStopDeadline;
  host.stop();  // first, so that every waiting handler gets its answer
  auto ended = std::async(std::launch::async, [&] {
    server.stop();
    hostThread.stop();
  });
  if (ended.wait_until(deadline) == std::future_status::ready) return 0;
  const bool said = host.settleEnding();
  std::cout.flush();
  std::_Exit(said ? 0 : 1);
}

}  // namespace

void addEditCommand(CLI::App& app, int& status) {
  auto o = std::make_shared<EditOptions>();
  auto* command =
      app.add_subcommand("edit", "Edit a drawing in the browser: select, apply Contour with its dialog, save");
  command->add_option("input", o->input, "The drawing (SVG)")->required()->type_name("FILE");
  command->add_option("--port", o->port, "The port on 127.0.0.1 (default: a free one)")->capture_default_str();
  command->add_flag("--no-open", o->noOpen, "Print the address but do not open a browser");
  command->add_option("--plugin", o->plugin, kPluginOptionHelp)->type_name("FILE");
  addSeedOption(*command, o->seed, "Seed of the random numbers, 0 to 2^64-1 (for repeatable runs)");
  command
      ->add_option("--fail-call", o->faults,
                   "Make a host operation fail, to see the plug-in's error message: OPERATION[:N[:CODE]] "
                   "(the N-th call, default 1; CODE default -108)")
      ->group("Diagnostics");
  command->callback([o, &status] {
    try {
      status = run(*o);
    } catch (const std::exception& e) {
      status = fail(e.what());
    }
  });
}

}  // namespace contour_cli
