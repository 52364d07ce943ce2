// `contour bash-completion` (not listed in the help): prints the bash
// completion script, made from the program's own tables: the subcommands and
// their options as the command line defines them, the presets, the record's
// fields and the entries of the dialog's lists. The build writes it for the
// install, so it cannot fall behind the program. What an option's value
// completes to follows its type name in the help: FILE, DIR, NAME (a preset),
// FIELD, FIELD=VALUE; any other value gets nothing offered.
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "easel/core/Trimmed.h"
#include "plugin/params/ModeLists.h"
#include "plugin/params/ParamFields.h"

namespace contour_cli {

namespace {

// Single-quoted for the shell.
std::string shellQuoted(std::string_view word) {
  std::string out = "'";
  for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string words(const std::vector<std::string>& list) {
  std::string out;
  for (const std::string& w : list) out += " " + shellQuoted(w);
  return out;
}

std::vector<std::string> entries(const ModeList& list) {
  std::vector<std::string> out;
  for (const char* entry : list.entries) out.emplace_back(easel::trimmed(entry));
  return out;
}

std::vector<const CLI::App*> listedSubcommands(const CLI::App& app) {
  std::vector<const CLI::App*> out;
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    if (!sub->get_group().empty()) out.push_back(sub);
  return out;
}

bool takesValue(const CLI::Option& option) { return option.get_type_size() != 0; }

std::vector<std::string> optionNames(const CLI::Option& option) {
  std::vector<std::string> names;
  for (const std::string& name : option.get_snames()) names.push_back("-" + name);
  for (const std::string& name : option.get_lnames()) names.push_back("--" + name);
  return names;
}

std::vector<std::string> allOptionNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::Option* option : command.get_options())
    if (!option->get_positional())
      for (const std::string& name : optionNames(*option)) names.push_back(name);
  return names;
}

// The shell code that offers the values of a type name; "" for none.
std::string valuesOf(const std::string& typeName, bool positional) {
  if (typeName == "FILE" && positional) return "_contour_files";
  if (typeName == "FILE") return "_contour_any_file";
  if (typeName == "DIR") return "_contour_dirs";
  if (typeName == "NAME") return "_contour_presets";
  if (typeName == "FIELD") return "_contour_fields";
  if (typeName == "FIELD=VALUE") return "_contour_fields =";
  return "";
}

std::string script(const CLI::App& app) {
  std::string s =
      "# bash completion for contour, written by `contour bash-completion` from the program's own\n"
      "# tables: subcommands, options, presets, the record's fields and the dialog's list entries.\n\n"
      "# Offers the words that start with $cur, quoted for the shell.\n"
      "_contour_offer() {\n"
      "  local word\n"
      "  for word in \"$@\"; do [[ $word == \"$cur\"* ]] && COMPREPLY+=(\"$(printf '%q' \"$word\")\"); done\n"
      "  return 0\n"
      "}\n"
      "_contour_any_file() { compopt -o filenames 2>/dev/null || true; local IFS=$'\\n'; COMPREPLY=($(compgen -f -- "
      "\"$cur\")); }\n"
      "_contour_dirs() { compopt -o filenames 2>/dev/null || true; local IFS=$'\\n'; COMPREPLY=($(compgen -d -- "
      "\"$cur\")); }\n"
      "# Drawings, and folders to find them in.\n"
      "_contour_files() {\n"
      "  compopt -o filenames 2>/dev/null || true\n"
      "  local IFS=$'\\n'\n"
      "  COMPREPLY=($(compgen -f -X '!*.[sS][vV][gG]' -- \"$cur\") $(compgen -f -X '!*.[sS][vV][gG][zZ]' -- \"$cur\")"
      " $(compgen -d -- \"$cur\"))\n"
      "}\n";
  s += "_contour_presets() { _contour_offer" + words(entries(*modeListByItem(kPresetList))) + "; }\n";
  std::vector<std::string> fields, shown;
  for (const ParamField& field : paramFields()) {
    fields.emplace_back(field.name);
    if (field.item != kNoItem) shown.push_back(std::string(field.name) + "=");
  }
  s += "# Fields (with '=' after them for --set).\n"
       "_contour_fields() {\n"
       "  if [ \"${1:-}\" = = ]; then compopt -o nospace 2>/dev/null || true; _contour_offer" +
       words(shown) + "\n  else _contour_offer" + words(fields) +
       "; fi\n"
       "}\n"
       "# The values --set FIELD= takes: a list's entries, a flag's 0 and 1.\n"
       "_contour_values() {\n"
       "  case ${1,,} in\n";
  std::string flags;
  for (const ParamField& field : paramFields()) {
    if (field.item == kNoItem) continue;
    std::string name = field.name;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (field.type == FieldType::Flag) flags += (flags.empty() ? "" : "|") + name;
    for (const ModeList& list : modeLists())
      if (FieldRef(list.field) == field.field) s += "    " + name + ") _contour_offer" + words(entries(list)) + " ;;\n";
  }
  s += "    " + flags + ") _contour_offer 0 1 ;;\n  esac\n}\n\n";

  s += "_contour() {\n"
       "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} subcommand=\"\" i\n"
       "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
       "    case ${COMP_WORDS[i]} in -*) ;; *) subcommand=${COMP_WORDS[i]}; break ;; esac\n"
       "  done\n"
       "  COMPREPLY=()\n"
       "  # --set FIELD=VALUE, whether the shell breaks the word at '=' or not.\n"
       "  if [ \"$cur\" = = ] && [ \"${COMP_WORDS[COMP_CWORD-2]}\" = --set ]; then\n"
       "    cur=\"\"; _contour_values \"$prev\"; return 0\n"
       "  elif [ \"$prev\" = = ] && [ \"${COMP_WORDS[COMP_CWORD-3]}\" = --set ]; then\n"
       "    _contour_values \"${COMP_WORDS[COMP_CWORD-2]}\"; return 0\n"
       "  elif [ \"$prev\" = --set ] && [[ $cur == *=* ]]; then\n"
       "    local field=${cur%%=*}; cur=${cur#*=}; _contour_values \"$field\"\n"
       "    [ ${#COMPREPLY[@]} = 0 ] || COMPREPLY=(\"${COMPREPLY[@]/#/$field=}\"); return 0\n"
       "  fi\n"
       "  # The value of an option.\n"
       "  case $subcommand:$prev in\n";
  for (const CLI::App* sub : listedSubcommands(app)) {
    for (const CLI::Option* option : sub->get_options()) {
      if (option->get_positional() || !takesValue(*option)) continue;
      std::string patterns;
      for (const std::string& name : optionNames(*option))
        patterns += (patterns.empty() ? "" : "|") + sub->get_name() + ":" + name;
      const std::string values = valuesOf(option->get_type_name(), false);
      s += "    " + patterns + ") " + (values.empty() ? "" : values + "; ") + "return 0 ;;\n";
    }
  }
  s += "  esac\n"
       "  case $subcommand in\n"
       "    \"\") _contour_offer";
  std::vector<std::string> top;
  for (const CLI::App* sub : listedSubcommands(app)) top.push_back(sub->get_name());
  for (const std::string& name : allOptionNames(app)) top.push_back(name);
  s += words(top) + " ;;\n";
  for (const CLI::App* sub : listedSubcommands(app)) {
    std::string positional;
    for (const CLI::Option* option : sub->get_options())
      if (option->get_positional()) positional = valuesOf(option->get_type_name(), true);
    s += "    " + sub->get_name() + ") if [[ $cur == -* ]]; then _contour_offer" + words(allOptionNames(*sub)) +
         (positional.empty() ? "" : "; else " + positional) + "; fi ;;\n";
  }
  s += "  esac\n  return 0\n}\ncomplete -F _contour contour\n";
  return s;
}

}  // namespace

void addCompletionCommand(CLI::App& app, int& status) {
  auto* command = app.add_subcommand("bash-completion", "Print the bash completion script")->group("");
  command->callback([&app, &status] {
    std::cout << script(app);
    status = kExitDone;
  });
}

}  // namespace contour_cli
