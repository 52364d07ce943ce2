// `contour`: the easel on the command line.
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "HeapPages.h"
#include "NameSuggestions.h"
#include "ProgramStart.h"

namespace {

std::vector<std::string> subcommandNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    names.push_back(sub->get_name());
  return names;
}

// The subcommand named on the command line, in any case (CLI11 matches it
// exactly), or null.
CLI::App* namedSubcommand(CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
      if (contour_cli::sameNameIgnoringCase(sub->get_name(), argv[i])) return sub;
  return nullptr;
}

std::vector<std::string> optionNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::Option* option : command.get_options()) {
    for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    for (const std::string& name : option->get_snames()) names.push_back("-" + name);
  }
  return names;
}

// "--sed 3" in CLI11's list of arguments it did not expect: one line per
// unknown option with the nearest names, else CLI11's own words.
std::string extrasMessage(const CLI::ParseError& e, const CLI::App* command) {
  const std::string what = e.what();
  const std::size_t colon = what.find(": ");
  std::istringstream extras(colon == std::string::npos ? std::string() : what.substr(colon + 2));
  std::string word;
  while (extras >> word) {
    const std::string name = word.substr(0, word.find('='));
    if (name.size() < 2 || name[0] != '-' || command == nullptr) continue;
    return "unknown option " + contour_cli::quotedInput(name) + " for `contour " + command->get_name() + "`" +
           contour_cli::didYouMean(name, optionNames(*command)) + " (`contour " + command->get_name() +
           " --help` lists them)";
  }
  if (colon != std::string::npos && command == nullptr)
    return contour_cli::quotedInput(what.substr(colon + 2)) + " is not a command (`contour --help` lists them)";
  return what;
}

// "--" ends a subcommand's options: the words after it are names, however
// they begin. CLI11 (2.1) goes back to the top level at a "--" once the
// subcommand has its first name, and there takes "-b.svg" for an option, so
// the "--" is taken out here and a name that starts with '-' gets "./" (the
// same file). "-" alone stays standard input.
std::vector<std::string> optionsEndedAtDashes(std::vector<std::string> args) {
  std::size_t at = 1;
  while (at < args.size() && (args[at].empty() || args[at][0] == '-')) ++at;  // the subcommand
  const auto dashes =
      std::find(args.begin() + static_cast<std::ptrdiff_t>(std::min(at, args.size())), args.end(), std::string("--"));
  if (dashes == args.end()) return args;
  for (auto word = dashes + 1; word != args.end(); ++word)
    if (word->size() > 1 && (*word)[0] == '-') *word = "./" + *word;
  args.erase(dashes);
  return args;
}

}  // namespace

int main(int systemArgc, char** systemArgv) {
  contour_cli::setUpStandardStreams();
  contour_cli::Utf8Arguments arguments(systemArgc, systemArgv);
  const std::vector<std::string> args =
      optionsEndedAtDashes(std::vector<std::string>(arguments.argv(), arguments.argv() + arguments.argc()));
  std::vector<char*> words;
  for (const std::string& word : args) words.push_back(const_cast<char*>(word.c_str()));
  words.push_back(nullptr);
  const int argc = static_cast<int>(args.size());
  char** argv = words.data();
  CLI::App app{"contour: apply the Contour filter to drawings, headless or in the browser editor"};
  app.set_version_flag("--version", std::string("contour 18.3.0 (easel host, Tesk_Contour plug-in)"));
  app.require_subcommand(1);
  // "/drawings/a.svg" is a file, not an option, on Windows as well (the
  // subcommands added below take this from the app).
  app.allow_windows_style_options(false);
  app.footer(contour_cli::kExitStatusHelp);
  int status = 0;
  contour_cli::addAboutCommand(app, status);
  contour_cli::addApplyCommand(app, status);
  contour_cli::addParamsCommand(app, status);
  contour_cli::addStripCommand(app, status);
  contour_cli::addListsCommands(app, status);
#ifdef CONTOUR_WITH_EDITOR
  contour_cli::addEditCommand(app, status);
#endif
  contour_cli::addCompletionCommand(app, status);
  // A subcommand typed in another case is the subcommand; a word that is no
  // subcommand gets the nearest.
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.empty() || word[0] == '-') continue;
    if (CLI::App* sub = namedSubcommand(app, argc, argv); sub != nullptr && sub->get_name() != word) {
      if (contour_cli::sameNameIgnoringCase(sub->get_name(), word))
        argv[i] = const_cast<char*>(sub->get_name().c_str());
    } else if (sub == nullptr) {
      std::cerr << "contour: " << contour_cli::quotedInput(word) << " is not a command"
                << contour_cli::didYouMean(word, subcommandNames(app)) << " (`contour --help` lists them)\n";
      return contour_cli::kExitUsage;
    }
    break;
  }
  // The editor lives for a session and gives memory back as its drawing
  // shrinks; every other command reads and writes its drawings once.
  if (CLI::App* sub = namedSubcommand(app, argc, argv); sub == nullptr || sub->get_name() != "edit")
    contour_cli::useLargeHeapPages();
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);  // --help, --version
  } catch (const CLI::ExtrasError& e) {
    std::cerr << "contour: " << extrasMessage(e, namedSubcommand(app, argc, argv)) << '\n';
    return contour_cli::kExitUsage;
  } catch (const CLI::ParseError& e) {
    std::cerr << "contour: " << e.what() << '\n';
    return contour_cli::kExitUsage;
  }
  return status;
}
